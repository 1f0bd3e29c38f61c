// The toggle window: one RegistryToggle record shown as a tool window. Its timer polls the
// value that decides the state and enables exactly one of Apply and Restore; Apply and
// Restore clear "On Top", run the record's writes and show the outcome message.
#pragma once

#include "shell/tool_window.h"
#include "tweak/registry_toggle.h"

class QPushButton;

namespace zw {

class ToggleWindow : public shell::ToolWindow {
    Q_OBJECT
public:
    // The record must outlive the window (the records are static tables).
    explicit ToggleWindow(const RegistryToggle& record, QWidget* parent = nullptr);

    const RegistryToggle& record() const { return record_; }

    // One tick of Timer1.
    void poll();

protected:
    void load() override;

private:
    void runButton(const std::vector<RegistryWrite>& writes);
    void showState(ToggleState state);

    const RegistryToggle& record_;
    QPushButton* apply_ = nullptr;
    QPushButton* restore_ = nullptr;
};

}  // namespace zw

// tricks_CookieList: the browser's per-site cookie rules in a list, with buttons that remove a
// site's rule or set it to always block or always allow. The list is rebuilt from the registry
// on loading and after every change.
#pragma once

#include "browser/cookie_rules.h"
#include "shell/tool_window.h"

#include <array>

class QPushButton;
class QTreeWidget;

namespace zw::browser {

class TricksCookieList final : public shell::ToolWindow {
    Q_OBJECT
public:
    TricksCookieList();

protected:
    void load() override;

private:
    void FillCookieList();
    void act(CookieAction action);

    QTreeWidget* list_ = nullptr;                 // ListView1
    std::array<QPushButton*, 3> actions_{};       // cmdDelete, cmdSperren, cmdZulassen
};

}  // namespace zw::browser

// A catalogue window (`Regedit`, `Tricks`) built from its CatalogueDesign: title boxes and
// "How To" buttons that open their windows, "Schließen" and ESC back to Form1, "On Top" set
// at load, the owl while OwlFlag is set.
#pragma once

#include "shell/tool_window.h"
#include "tweak/catalogue.h"

namespace zw {

class CatalogueWindow : public shell::ToolWindow {
    Q_OBJECT
public:
    // The design must outlive the window (the designs are static tables).
    explicit CatalogueWindow(const CatalogueDesign& design, QWidget* parent = nullptr);

private:
    void openEntry(const CatalogueEntry& entry);
};

}  // namespace zw

// Small windows with the frame's rules, standing in for the windows that open from the hub.
#pragma once

#include "shell/navigator.h"
#include "shell/tool_window.h"

#include "support/window_steps.h"

#include <QPushButton>

namespace zw::test {

inline shell::WindowDesign stubDesign(const QString& name, const QString& opener, shell::LeaveRule leave) {
    shell::WindowDesign design;
    design.name = name;
    design.widthTwips = 6000;
    design.heightTwips = 4500;
    design.caption = name;
    design.opener = opener;
    design.whenOpening = leave;
    design.escCloses = true;
    design.topmostAtLoad = true;
    design.showsOwl = true;
    return design;
}

class StubWindow : public shell::ToolWindow {
public:
    explicit StubWindow(const shell::WindowDesign& design) : ToolWindow(design) {
        setBackground(shell::kToolBackground);
        addCaption(design.caption, twipsRect(240, 120, 4000, 375));
        addOnTopBox(twipsRect(240, 3900, 1200, 255));
        addOwl(5200, 3800);
        QPushButton* close = addButton(QStringLiteral("Command3"), QStringLiteral("Schließen"), twipsRect(2400, 3800, 1455, 345));
        connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
        ++loads;
    }
    static inline int loads = 0;
};

// Registers stand-ins for the catalogue, service and notification-area windows and one tweak window.
inline void registerStubWindows(shell::Navigator& navigator) {
    using shell::LeaveRule;
    for (const char* name : {"Tricks", "tools", "Info", "Update", "Feedback"}) {
        const QString n = QString::fromLatin1(name);
        navigator.add(n, [n] { return new StubWindow(stubDesign(n, QStringLiteral("Form1"), LeaveRule::Stay)); });
    }
    navigator.add(QStringLiteral("Regedit"), [] {
        return new StubWindow(stubDesign(QStringLiteral("Regedit"), QStringLiteral("Form1"), LeaveRule::Unload));
    });
    navigator.add(QStringLiteral("reg_balloontips"), [] {
        auto design = stubDesign(QStringLiteral("reg_balloontips"), QStringLiteral("Regedit"), LeaveRule::Stay);
        design.escCloses = false;
        design.topmostAtLoad = false;
        design.showsOwl = false;
        return new StubWindow(design);
    });
    navigator.add(QStringLiteral("Minimiert"), [] {
        auto design = stubDesign(QStringLiteral("Minimiert"), QString(), LeaveRule::Stay);
        design.widthTwips = design.heightTwips = 0;
        return new StubWindow(design);
    });
}

}  // namespace zw::test

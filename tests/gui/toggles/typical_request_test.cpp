// The typical request end to end: switching off the balloon tips from the hub.
#include "toggle_gui_fixture.h"

#include "tweak/registry.h"

#include <QTest>

namespace zw::test {
namespace {

const char* kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

TEST_F(ToggleGuiTest, SwitchingOffTheBalloonTipsFromTheHub)
{
    Registry::SetDwordValue(1, kAdvanced, "EnableBalloonTips", 1);

    shell::ToolWindow* hub = navigator.show("Form1");
    ASSERT_TRUE(hub);
    click(hub, "cmdSystemTuning");
    shell::ToolWindow* regedit = navigator.loaded("Regedit");
    ASSERT_TRUE(regedit);
    EXPECT_TRUE(regedit->isVisible());
    EXPECT_TRUE(regedit->isTopmost());
    EXPECT_FALSE(hub->isVisible());

    click(regedit, "Command2");  // "How To" of "Balloontips deaktivieren..."
    shell::ToolWindow* toggle = navigator.loaded("reg_balloontips");
    ASSERT_TRUE(toggle);
    EXPECT_TRUE(toggle->isVisible());
    EXPECT_FALSE(navigator.loaded("Regedit"));
    EXPECT_FALSE(toggle->isTopmost());

    // The first poll reads "1": Default.
    QTRY_VERIFY(!enabled(toggle, "Command2"));
    EXPECT_TRUE(enabled(toggle, "Command1"));

    auto* onTop = child<QCheckBox>(toggle, "Check1");
    onTop->click();
    ASSERT_TRUE(toggle->isTopmost());
    qsizetype messagesWhenCleared = -1;
    QObject::connect(onTop, &QCheckBox::toggled, [&](bool on) {
        if (!on)
            messagesWhenCleared = fakes.dialogs.messages.size();
    });

    click(toggle, "Command1");  // "Deaktivieren"
    EXPECT_EQ(messagesWhenCleared, 0) << "On Top is cleared before the message box";
    EXPECT_FALSE(onTop->isChecked());
    EXPECT_FALSE(toggle->isTopmost());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    const RecordedMessage& m = fakes.dialogs.messages[0];
    EXPECT_EQ(m.text, "Registry Wert wurde erfolgreich gesetzt!");
    EXPECT_TRUE(m.title.isEmpty() || m.title == "Zunderwerk") << m.title.toStdString();
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(storedValue(1, kAdvanced, "EnableBalloonTips"), dword(0));

    // The next poll shows Applied.
    QTRY_VERIFY(!enabled(toggle, "Command1"));
    EXPECT_TRUE(enabled(toggle, "Command2"));

    click(toggle, "Command3");  // "Schließen"
    EXPECT_FALSE(navigator.loaded("reg_balloontips"));
    shell::ToolWindow* fresh = navigator.loaded("Regedit");
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_TRUE(child<QCheckBox>(fresh, "Check1")->isChecked());
    EXPECT_TRUE(fresh->isTopmost());
}

}  // namespace
}  // namespace zw::test

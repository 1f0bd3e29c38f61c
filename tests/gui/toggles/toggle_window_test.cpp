// The toggle windows: what each shows of its record, the poll, and the button actions.
#include "toggle_gui_fixture.h"

#include "shell/success_message.h"
#include "tweak/poll_period.h"
#include "tweak/registry.h"
#include "tweak/toggle_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace zw::test {
namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

TEST_F(ToggleGuiTest, EveryToggleWindowShowsItsRecord)
{
    for (const auto* records : {&tuningToggles(), &tipsToggles()}) {
        for (const RegistryToggle& t : *records) {
            SCOPED_TRACE(t.name);
            shell::ToolWindow* w = navigator.show(qs(t.name));
            ASSERT_TRUE(w);
            EXPECT_EQ(w->objectName(), qs(t.name));
            EXPECT_EQ(w->size(), QSize(int(std::lround(t.widthTwips / 15.0)), int(std::lround(t.heightTwips / 15.0))));
            EXPECT_EQ(w->design().opener, qs(t.opener));
            EXPECT_EQ(w->windowTitle(), qs(t.caption));
            EXPECT_EQ(child<QLabel>(w, "lblCaption")->text(), qs(t.title));
            EXPECT_EQ(child<QPushButton>(w, "Command1")->text(), qs(t.applyCaption));
            auto* restore = w->findChild<QPushButton*>("Command2");
            EXPECT_EQ(restore != nullptr, t.hasRestore());
            if (restore) {
                EXPECT_EQ(restore->text(), qs(t.restoreCaption));
            }
            EXPECT_EQ(child<QPushButton>(w, "Command3")->text(), "Schließen");
            auto* onTop = child<QCheckBox>(w, "Check1");
            EXPECT_EQ(onTop->text(), "On Top");
            EXPECT_FALSE(onTop->isChecked());
            EXPECT_FALSE(w->isTopmost());
            auto* timer = w->findChild<QTimer*>("Timer1");
            EXPECT_EQ(timer != nullptr, t.polls());
            if (timer) {
                EXPECT_TRUE(timer->isActive());
                EXPECT_EQ(timer->interval(), kPollPeriodMs);
            }
            for (std::size_t i = 0; i < t.labels.size(); ++i)
                EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label%1").arg(i + 1))->text(), qs(t.labels[i]));
            EXPECT_EQ(w->findChild<QLabel*>("Image2") != nullptr, t.decorativePicture);
            if (!t.buttonFrame.empty()) {
                EXPECT_EQ(child<QGroupBox>(w, "Frame1")->title(), qs(t.buttonFrame));
            }
            navigator.unload(w);
        }
    }
}

TEST_F(ToggleGuiTest, ThePollFollowsChangesWhileTheWindowIsOpen)
{
    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    Registry::DeleteValue(1, key, "EnableBalloonTips");
    shell::ToolWindow* w = navigator.show("reg_balloontips");
    QTest::qWait(5 * kPollPeriodMs);
    EXPECT_TRUE(enabled(w, "Command1") && enabled(w, "Command2")) << "a missing value shows no state";

    Registry::SetDwordValue(1, key, "EnableBalloonTips", 0);
    QTRY_VERIFY(!enabled(w, "Command1"));
    EXPECT_TRUE(enabled(w, "Command2"));

    Registry::SetDwordValue(1, key, "EnableBalloonTips", 2);
    QTest::qWait(5 * kPollPeriodMs);
    EXPECT_FALSE(enabled(w, "Command1")) << "2 matches nothing: the buttons keep their state";
    EXPECT_TRUE(enabled(w, "Command2"));

    Registry::SetStringValue(1, key, "EnableBalloonTips", " 1 ");
    QTRY_VERIFY(enabled(w, "Command1"));
    EXPECT_FALSE(enabled(w, "Command2"));
}

TEST_F(ToggleGuiTest, AlexaHasApplyOnlyAndDisablesItOnceTheKeyIsGone)
{
    const RegistryToggle& t = record("tricks_alexa");
    shell::ToolWindow* w = navigator.show("tricks_alexa");
    QTRY_VERIFY(enabled(w, "Command1"));  // the default hive holds ",4"

    Registry::SetStringValue(t.probe->hive, t.probe->key, t.probe->value, "C:\\alexa.ico,4");
    QTRY_VERIFY(!enabled(w, "Command1"));
    Registry::SetStringValue(t.probe->hive, t.probe->key, t.probe->value, ",4");
    QTRY_VERIFY(enabled(w, "Command1"));

    click(w, "Command1");
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_FALSE(keyExists(t.probe->hive, t.probe->key));
    QTRY_VERIFY(!enabled(w, "Command1"));
}

TEST_F(ToggleGuiTest, HidingDrivesNeverPollsAndKeepsBothButtons)
{
    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    shell::ToolWindow* w = navigator.show("tricks_laufwerkeverstecken");
    click(w, "Command1");
    EXPECT_EQ(storedValue(1, key, "NoDrives"), dword(0x3FFFFFFF));
    click(w, "Command2");
    EXPECT_FALSE(storedValue(1, key, "NoDrives"));
    QTest::qWait(5 * kPollPeriodMs);
    EXPECT_TRUE(enabled(w, "Command1") && enabled(w, "Command2"));
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_EQ(fakes.dialogs.messages[1].text, "Registry Wert wurde erfolgreich gesetzt!");
}

TEST_F(ToggleGuiTest, EveryStepRunsAndTheFailureIsToldWhenAWriteRaises)
{
    shell::ToolWindow* w = navigator.show("tricks_AutoImageResize");
    QTRY_VERIFY(!enabled(w, "Command2"));  // the default hive holds "yes"
    child<QCheckBox>(w, "Check1")->click();
    store.failNextSetValue();
    click(w, "Command1");
    EXPECT_FALSE(child<QCheckBox>(w, "Check1")->isChecked());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, shell::kRegistryFailureText);
    QTest::qWait(5 * kPollPeriodMs);
    EXPECT_FALSE(enabled(w, "Command2")) << "the write failed: the poll still shows Default";

    click(w, "Command1");
    QTRY_VERIFY(enabled(w, "Command2"));
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_EQ(fakes.dialogs.messages[1].text, shell::kRegistrySuccessText);
}

TEST_F(ToggleGuiTest, ARefusedWriteShowsTheFailureBoxAndTheButtonsStay)
{
    shell::ToolWindow* w = navigator.show("reg_startdateien");
    QTRY_VERIFY(!enabled(w, "Command1"));  // the default hive holds "Y": Applied
    if (!store.denyWrites(2))
        GTEST_SKIP() << "a restricted user cannot be reproduced on the " << testStoreName() << " store";
    child<QCheckBox>(w, "Check1")->click();
    click(w, "Command2");
    EXPECT_FALSE(child<QCheckBox>(w, "Check1")->isChecked()) << "\"On Top\" is cleared first all the same";
    EXPECT_FALSE(w->isTopmost());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, shell::kRegistryFailureText);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, platform::MsgIcon::Exclamation);
    QTest::qWait(5 * kPollPeriodMs);
    EXPECT_FALSE(enabled(w, "Command1"));
    EXPECT_TRUE(enabled(w, "Command2"));
}

}  // namespace
}  // namespace zw::test

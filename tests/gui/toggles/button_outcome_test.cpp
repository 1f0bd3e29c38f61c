// The one message after a tweak window's button write, across the kinds of windows: the success
// box when the click's writes reached what they asked for, the failure box when one did not
// (a restricted user, a key that still has subkeys), never both.
#include "toggle_gui_fixture.h"

#include "browser/cookie_rules.h"
#include "tweak/registry.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <ostream>

namespace zw::test {
namespace {

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

const QString kSuccessText = QStringLiteral("Registry Wert wurde erfolgreich gesetzt!");
const QString kFailureText = QStringLiteral(
    "Der Registry Wert konnte nicht gesetzt werden. Möglicherweise fehlen Ihnen die nötigen Rechte (Administrator).");

constexpr HiveCode kUser = 1;
constexpr HiveCode kMachine = 2;
constexpr HiveCode kNone = -1;
const char* const kMft = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
const char* const kNoDrivesKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

struct Click {
    const char* name;
    const char* window;
    const char* button;
    HiveCode denied;  // the root a restricted user cannot write, kNone: all writable
    bool written;     // the success box; else the failure box
    std::function<void()> seed = {};                     // before the window opens
    std::function<void(shell::ToolWindow*, FakeServices&)> prepare = {};  // before the click
};

void addSite(const char* site)
{
    Registry::SetDwordValue(kUser, browser::cookieSiteKey(site), "", 1);
}

std::function<void(shell::ToolWindow*, FakeServices&)> chooseSite(const char* site)
{
    return [site](shell::ToolWindow* w, FakeServices& fakes) {
        auto* list = w->findChild<QTreeWidget*>("ListView1");
        ASSERT_TRUE(list);
        const auto found = list->findItems(QString::fromUtf8(site), Qt::MatchExactly, 0);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
        ASSERT_TRUE(found.front()->isSelected());
        fakes.dialogs.answers = {MsgAnswer::Yes};  // the question before the write
    };
}

void PrintTo(const Click& c, std::ostream* out)
{
    *out << c.name;
}

class ButtonOutcome : public ToggleGuiTest, public ::testing::WithParamInterface<Click> {};

TEST_P(ButtonOutcome, OneBoxTellsWhetherTheWritesReachedTheirState)
{
    const Click& c = GetParam();
    if (c.seed)
        c.seed();
    shell::ToolWindow* w = navigator.show(QString::fromUtf8(c.window));
    ASSERT_TRUE(w);
    if (c.prepare)
        c.prepare(w, fakes);
    if (c.denied != kNone && !store.denyWrites(c.denied))
        GTEST_SKIP() << "a restricted user cannot be reproduced on the " << testStoreName() << " store";
    const qsizetype before = fakes.dialogs.messages.size();

    click(w, QString::fromUtf8(c.button));

    ASSERT_GT(fakes.dialogs.messages.size(), before) << "the button was not clicked";
    const auto boxes = std::count_if(fakes.dialogs.messages.begin() + before, fakes.dialogs.messages.end(),
                                     [](const RecordedMessage& m) { return m.text == kSuccessText || m.text == kFailureText; });
    EXPECT_EQ(boxes, 1) << "one box per click";
    const RecordedMessage& box = fakes.dialogs.messages.back();
    EXPECT_EQ(box.text, c.written ? kSuccessText : kFailureText);
    EXPECT_EQ(box.icon, c.written ? MsgIcon::Information : MsgIcon::Exclamation);
    EXPECT_EQ(box.title, "Zunderwerk");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
}

void typeNotice(shell::ToolWindow* w, FakeServices&)
{
    w->findChild<QPlainTextEdit*>("Text1")->setPlainText("Achtung");
}

void chooseManual(shell::ToolWindow* w, FakeServices&)
{
    w->findChild<QComboBox*>("Combo1")->setEditText("Manuell");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ButtonOutcome,
    ::testing::Values(
        Click{"ToggleOnTheMachineRoot", "reg_wsh", "Command1", kNone, true},
        Click{"ToggleOnTheMachineRootDenied", "reg_wsh", "Command1", kMachine, false},
        Click{"ToggleOnTheUserRootDenied", "reg_balloontips", "Command1", kUser, false},
        Click{"ToggleOnTheUserRootWithTheMachineRootDenied", "reg_balloontips", "Command1", kMachine, true},
        Click{"RestoreDeletingAnAbsentValueDenied", "tricks_laufwerkeverstecken", "Command2", kUser, true,
              [] { Registry::DeleteValue(kUser, kNoDrivesKey, "NoDrives"); }},
        Click{"RestoreDeletingAPresentValueDenied", "reg_MFT", "Command2", kMachine, false,
              [] { Registry::SetDwordValue(kMachine, kMft, "NtfsMftZoneReservation", 2); }},
        Click{"RestoreDeletingAnAbsentValue", "tricks_laufwerkeverstecken", "Command2", kNone, true,
              [] { Registry::DeleteValue(kUser, kNoDrivesKey, "NoDrives"); }},
        Click{"ApplyDeletingAKeyDenied", "tricks_alexa", "Command1", kMachine, false},
        Click{"DiscCache", "reg_disccache", "Command9", kNone, true},
        Click{"DiscCacheDenied", "reg_disccache", "Command9", kMachine, false},
        Click{"ShutdownDenied", "reg_shutdownTuning", "Command3", kMachine, false},
        Click{"NoticeText", "tricks_bootnachricht", "Command1", kNone, true, {}, typeNotice},
        Click{"NoticeTextDenied", "tricks_bootnachricht", "Command1", kMachine, false, {}, typeNotice},
        Click{"BrowserTitleDenied", "tricks_InternetExplorer", "Command1", kUser, false},
        Click{"MessengerStartType", "tricks_netsend", "Command2", kNone, true, {}, chooseManual},
        Click{"MessengerStartTypeDenied", "tricks_netsend", "Command2", kMachine, false, {}, chooseManual},
        Click{"ControlPanelShowAll", "tricks_SystemsteuerungKontrollieren", "Command42", kNone, true},
        Click{"ControlPanelHideAllDenied", "tricks_SystemsteuerungKontrollieren", "Command21", kMachine, false},
        Click{"CookieRule", "tricks_CookieList", "cmdSperren", kNone, true, [] { addSite("bank.example.de"); },
              chooseSite("bank.example.de")},
        Click{"CookieRuleDenied", "tricks_CookieList", "cmdSperren", kUser, false, [] { addSite("bank.example.de"); },
              chooseSite("bank.example.de")},
        Click{"CookieSiteDeleted", "tricks_CookieList", "cmdDelete", kNone, true, [] { addSite("gone.example"); },
              chooseSite("gone.example")},
        Click{"CookieSiteWithSubkeysNotDeleted", "tricks_CookieList", "cmdDelete", kNone, false,
              [] {
                  addSite("nested.example");
                  Registry::CreateKeyPath(kUser, browser::cookieSiteKey("nested.example") + "\\inner");
              },
              chooseSite("nested.example")}),
    [](const ::testing::TestParamInfo<Click>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zw::test

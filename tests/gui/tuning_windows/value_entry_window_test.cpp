// The value entry windows: what the box shows at load, what "Ändern" stores, and the
// refusal of a connection count that is not a whole number.
#include "window_fixture.h"

#include <QLineEdit>

namespace zw::test {
namespace {

using ValueEntryWindow = TuningWindow;

constexpr const char* kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

TEST_F(ValueEntryWindow, MaxConnectionsLoadsTheStoredCountOrTheDesignText)
{
    window = open("reg_MaxConnections");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "10");
    window->closeWindow();

    Registry::SetDwordValue(1, kInternet, "MaxConnectionsPerServer", 16);
    window = open("reg_MaxConnections");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "16");
}

TEST_F(ValueEntryWindow, MaxConnectionsStoresAWholeNumberAndRefusesAnythingElse)
{
    Registry::SetDwordValue(1, kInternet, "MaxConnectionsPerServer", 6);
    Registry::SetDwordValue(1, kInternet, "MaxConnectionsPer1_0Server", 4);
    window = open("reg_MaxConnections");
    auto* text1 = child<QLineEdit>("Text1");

    const struct {
        const char* typed;
        const char* stored;  // both values afterwards; the refused ones leave 6 and 4
    } cases[] = {{"abc", nullptr}, {"", nullptr}, {"-1", nullptr}, {"2147483648", nullptr},
                 {"20", "20"},     {" 0 ", "0"},  {"2147483647", "2147483647"}};
    for (const auto& c : cases) {
        fakes.dialogs.messages.clear();
        setOnTop();
        text1->setText(c.typed);
        child("Command1")->click();
        EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked()) << c.typed;
        ASSERT_EQ(fakes.dialogs.messages.size(), 1) << c.typed;
        if (c.stored) {
            EXPECT_EQ(fakes.dialogs.messages[0].text, kSuccess);
            EXPECT_EQ(Registry::GetValueText(1, kInternet, "MaxConnectionsPerServer"), c.stored);
            EXPECT_EQ(Registry::GetValueText(1, kInternet, "MaxConnectionsPer1_0Server"), c.stored);
        } else {
            EXPECT_EQ(fakes.dialogs.messages[0].icon, platform::MsgIcon::Exclamation) << c.typed;
            EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("ganze Zahl von 0 bis 2147483647")) << c.typed;
            EXPECT_EQ(Registry::GetValueText(1, kInternet, "MaxConnectionsPerServer"), "6") << c.typed;
            EXPECT_EQ(Registry::GetValueText(1, kInternet, "MaxConnectionsPer1_0Server"), "4") << c.typed;
        }
    }
}

TEST_F(ValueEntryWindow, MenuSpeedShowsTheStoredTextEvenWhenEmptyAndStoresAnyText)
{
    window = open("reg_Menügeschwindigkeit");
    auto* text1 = child<QLineEdit>("Text1");
    EXPECT_EQ(text1->text(), "") << "absent: the design text 400 is replaced by the empty text";
    for (const char* typed : {"1", "abc"}) {
        text1->setText(typed);
        child("Command1")->click();
        EXPECT_EQ(Registry::GetValueText(1, "Control Panel\\Desktop", "MenuShowDelay"), typed);
    }
    EXPECT_EQ(fakes.dialogs.messages.size(), 2);
    window->closeWindow();

    window = open("reg_Menügeschwindigkeit");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "abc");
}

}  // namespace
}  // namespace zw::test

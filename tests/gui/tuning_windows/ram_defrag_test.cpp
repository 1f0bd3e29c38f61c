// The memory clean-up window: the uptime from the tick service, and the scripts opened from
// the program folder.
#include "window_fixture.h"

#include <QFileInfo>
#include <QLabel>

namespace zw::test {
namespace {

using RamDefragWindow = TuningWindow;

TEST_F(RamDefragWindow, ShowsTheUptimeFromTheTickCountAndFollowsIt)
{
    fakes.clock.now = 3723700;
    window = open("reg_RAMdefragmentieren");
    auto* uptime = child<QLabel>("Label8");
    EXPECT_EQ(uptime->text(), "") << "empty until the first tick";
    ASSERT_TRUE(waitUntil([&] { return !uptime->text().isEmpty(); }));
    EXPECT_EQ(uptime->text(), " 1 Stdunden, 02 Minuten und 03 Sek. ");

    fakes.clock.now = 90000000;
    ASSERT_TRUE(waitUntil([&] { return uptime->text() == " 25 Stdunden, 00 Minuten und 00 Sek. "; }))
        << uptime->text().toStdString();
}

TEST_F(RamDefragWindow, ScriptButtonsOpenTheScriptsOfTheProgramFolder)
{
    window = open("reg_RAMdefragmentieren");
    setOnTop();
    child("Command1")->click();
    child("Command2")->click();

    const QString folder = fakes.folders.programFolder();
    ASSERT_EQ(fakes.launcher.opened,
              (QStringList{folder + "/Data/RAMdefrag/less128.vbs", folder + "/Data/RAM/RAMdefrag/above128.vbs"}));
    for (const QString& script : fakes.launcher.opened)
        EXPECT_TRUE(QFileInfo(script).isFile()) << script.toStdString() << " is shipped in the Data folder";
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked()) << "the script buttons leave On Top as it is";
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace zw::test

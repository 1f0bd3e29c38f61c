// The navigation rule with the frame's own windows: show first, then hide the hub or unload
// the catalogue; Close/ESC show the opener (fresh where unloaded) and unload.
#include "stub_windows.h"
#include "support/fake_services.h"

#include "shell/form1.h"
#include "shell/public_variables.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace zw::test {
namespace {

using shell::Navigator;
using shell::ToolWindow;

class NavigatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        shell::registerMainWindow(navigator);
        registerStubWindows(navigator);
    }
    MemoryRegistry registry;
    FakeServices fakes;
    Navigator navigator;
};

TEST_F(NavigatorTest, HubHidesCatalogueUnloadsAndCloseShowsAFreshOpener) {
    QPointer<ToolWindow> hub = navigator.show("Form1");
    ASSERT_TRUE(hub);
    QPointer<ToolWindow> catalogue = navigator.open(hub, "Regedit");
    ASSERT_TRUE(catalogue);
    EXPECT_TRUE(catalogue->isVisible());
    EXPECT_FALSE(hub->isVisible());
    EXPECT_EQ(navigator.loaded("Form1"), hub.data()) << "the hub only hides";

    QPointer<ToolWindow> tweak = navigator.open(catalogue, "reg_balloontips");
    flushDeletes();
    EXPECT_TRUE(tweak->isVisible());
    EXPECT_FALSE(catalogue) << "the catalogue unloads when it opens a tweak window";

    const int loadsBefore = StubWindow::loads;
    tweak->closeWindow();
    flushDeletes();
    EXPECT_FALSE(tweak);
    QPointer<ToolWindow> again = navigator.loaded("Regedit");
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(StubWindow::loads, loadsBefore + 1) << "the catalogue is loaded afresh";

    again->closeWindow();
    flushDeletes();
    EXPECT_EQ(navigator.loaded("Form1"), hub.data()) << "the hidden hub comes back as it was";
    EXPECT_TRUE(hub->isVisible());
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Form1"});
}

TEST_F(NavigatorTest, EscapeWithAFocusedButtonClosesLikeTheCloseButton) {
    ToolWindow* hub = navigator.show("Form1");
    ToolWindow* tricks = navigator.open(hub, "Tricks");
    tricks->activateWindow();
    auto* close = tricks->findChild<QPushButton*>("Command3");
    close->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tricks));
    ASSERT_EQ(QApplication::focusWidget(), close);
    QTest::keyClick(close, Qt::Key_Escape);
    flushDeletes();
    EXPECT_FALSE(navigator.loaded("Tricks"));
    EXPECT_TRUE(hub->isVisible());
}

TEST_F(NavigatorTest, LastUnloadedWindowIsAnnounced) {
    QSignalSpy last(&navigator, &Navigator::lastWindowUnloaded);
    ToolWindow* hub = navigator.show("Form1");
    navigator.load("Minimiert");
    navigator.unload(hub);
    EXPECT_EQ(last.count(), 0) << "the notification-area window keeps the program alive";
    navigator.unload("Minimiert");
    EXPECT_EQ(last.count(), 1);
}

TEST_F(NavigatorTest, OnTopFollowsTheBoxWhenCodeChangesIt) {
    ToolWindow* tricks = navigator.show("Tricks");
    EXPECT_TRUE(tricks->onTopBox()->isChecked()) << "catalogues start topmost";
    EXPECT_TRUE(tricks->isTopmost());
    tricks->onTopBox()->setChecked(false);
    EXPECT_FALSE(tricks->isTopmost());
    EXPECT_TRUE(tricks->isVisible()) << "changing the state keeps the window on screen";
    tricks->onTopBox()->setChecked(true);
    EXPECT_TRUE(tricks->isTopmost());
}

TEST_F(NavigatorTest, OwlShowsOnlyWhileTheFlagIsSetAndAMissingPictureLeavesItOut) {
    modPublicVariables::OwlFlag = false;
    ToolWindow* first = navigator.show("Tricks");
    EXPECT_FALSE(first->findChild<QLabel*>("WB")->isVisible());
    navigator.unload(first);

    modPublicVariables::OwlFlag = true;
    ToolWindow* second = navigator.show("Tricks");
    auto* wb = second->findChild<QLabel*>("WB");
    EXPECT_TRUE(wb->isVisible());
    EXPECT_NE(wb->movie(), nullptr);
    navigator.unload(second);

    fakes.folders.program = fakes.folders.scratch.path();  // no Data folder at all
    ToolWindow* third = navigator.show("Tricks");
    EXPECT_TRUE(third->isVisible());
    EXPECT_FALSE(third->findChild<QLabel*>("WB")->isVisible());
    modPublicVariables::OwlFlag = false;
}

TEST_F(NavigatorTest, DragStartsAboveFiveHundredPixelsOnly) {
    shell::WindowDesign tall = stubDesign("tall", "Form1", shell::LeaveRule::Stay);
    tall.heightTwips = 9000;  // 600 pixels
    navigator.add("tall", [tall] { return new StubWindow(tall); });
    ToolWindow* window = navigator.show("tall");
    QSignalSpy drags(window, &ToolWindow::dragStarted);
    QTest::mousePress(window->background(), Qt::LeftButton, {}, QPoint(50, 550));
    QTest::mouseRelease(window->background(), Qt::LeftButton, {}, QPoint(50, 550));
    EXPECT_EQ(drags.count(), 0);
    QTest::mousePress(window->background(), Qt::RightButton, {}, QPoint(50, 499));
    QTest::mouseRelease(window->background(), Qt::RightButton, {}, QPoint(50, 499));
    EXPECT_EQ(drags.count(), 1);
    QTest::mousePress(window->captionLabel(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(drags.count(), 2);
}

}  // namespace
}  // namespace zw::test

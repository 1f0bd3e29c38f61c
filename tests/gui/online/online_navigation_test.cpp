// The main window's "Update" and "Feedback" open the online windows, and their way back.

#include "online/online_windows.h"
#include "shell/form1.h"
#include "shell/navigator.h"
#include "support/fake_services.h"
#include "support/window_steps.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

using namespace zw;

namespace {

class OnlineNavigation : public ::testing::Test {
protected:
    OnlineNavigation()
    {
        shell::registerMainWindow(navigator);
        online::registerWindows(navigator);
    }

    shell::ToolWindow* openFromHub(const char* button, const QString& name)
    {
        shell::ToolWindow* form1 = navigator.show(QStringLiteral("Form1"));
        EXPECT_NE(form1, nullptr);
        auto* b = form1->findChild<QPushButton*>(QString::fromLatin1(button));
        EXPECT_TRUE(b->isEnabled()) << button;
        b->click();
        zw::test::runQueued();
        return navigator.loaded(name);
    }

    test::FakeServices fakes;
    shell::Navigator navigator;
};

TEST_F(OnlineNavigation, UpdateOpensFromTheHubAndBeendenReturns)
{
    shell::ToolWindow* update = openFromHub("cmdUpdate", QStringLiteral("Update"));
    ASSERT_NE(update, nullptr);
    EXPECT_TRUE(update->isVisible());
    EXPECT_EQ(update->windowTitle(), QStringLiteral("Update Zunderwerk"));
    EXPECT_TRUE(update->onTopBox()->isChecked());
    EXPECT_FALSE(navigator.loaded(QStringLiteral("Form1"))->isVisible());

    update->findChild<QPushButton*>(QStringLiteral("cmdUnload"))->click();
    zw::test::runQueued();
    EXPECT_EQ(navigator.loaded(QStringLiteral("Update")), nullptr);
    EXPECT_TRUE(navigator.loaded(QStringLiteral("Form1"))->isVisible());
}

TEST_F(OnlineNavigation, FeedbackOpensAfterTheNoticeAndEscReturns)
{
    shell::ToolWindow* feedback = openFromHub("cmdFeedback", QStringLiteral("Feedback"));
    ASSERT_NE(feedback, nullptr);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].title, QStringLiteral("Important!"));
    EXPECT_TRUE(feedback->isVisible());
    EXPECT_TRUE(feedback->onTopBox()->isChecked());

    QApplication::setActiveWindow(feedback);
    QTest::keyClick(feedback->findChild<QPushButton*>(QStringLiteral("cmdSend")), Qt::Key_Escape);
    zw::test::runQueued();
    EXPECT_EQ(navigator.loaded(QStringLiteral("Feedback")), nullptr);
    EXPECT_TRUE(navigator.loaded(QStringLiteral("Form1"))->isVisible());
}

} // namespace

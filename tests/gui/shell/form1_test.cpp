// The main window: Quick Info, keys, the title animation under a fake clock, start-up.
#include "stub_windows.h"
#include "support/fake_services.h"

#include "platform/component_loader.h"
#include "shell/component_repair.h"
#include "shell/form1.h"
#include "shell/public_variables.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace zw::test {
namespace {

using shell::Form1;
using shell::Navigator;
using shell::ToolWindow;
namespace pv = zw::modPublicVariables;

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        shell::registerMainWindow(navigator);
        registerStubWindows(navigator);
    }
    Form1* showMain() { return static_cast<Form1*>(navigator.show("Form1")); }
    template <class T = QWidget>
    static T* child(QWidget* window, const char* name) {
        return namedChild<T>(window, name);
    }
    MemoryRegistry registry;
    FakeServices fakes;
    Navigator navigator;
};

TEST_F(Form1Test, StartsTopmostWithItsControlsAtTheirPlaces) {
    Form1* form = showMain();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->size(), QSize(496, 392));
    EXPECT_TRUE(form->isTopmost());
    EXPECT_EQ(child<QCheckBox>(form, "Check1")->text(), "Fenster im Vordergrund");
    EXPECT_EQ(child<QLabel>(form, "lblCaption")->text(), "Zunderwerk 2.0");
    EXPECT_EQ(child<QLabel>(form, "lblCaption")->geometry(), QRect(120, 8, 249, 25));
    EXPECT_EQ(child(form, "cmdSystemTuning")->geometry(), QRect(64, 104, 121, 33));
    EXPECT_EQ(child(form, "cmdFeedback")->geometry(), QRect(320, 192, 121, 33));
    EXPECT_EQ(child(form, "cmdSchließen")->geometry(), QRect(144, 362, 97, 23));
    EXPECT_EQ(child(form, "txtQuickInfo")->geometry(), QRect(56, 272, 393, 49));
    EXPECT_EQ(child(form, "cmdSchließenKlein")->toolTip(), "Schließen");
    EXPECT_EQ(fakes.instance.claims, 1);
}

TEST_F(Form1Test, QuickInfoFollowsTheMouseOverTheButtonsAndClearsOnTheBackground) {
    Form1* form = showMain();
    auto* info = child<QPlainTextEdit>(form, "txtQuickInfo");
    const std::pair<const char*, const char*> table[] = {
        {"cmdSystemTuning", "Hier werden Standard Registry Werte optimiert, und nervige XP Funktionen können deaktiviert werden..."},
        {"cmdTipsUndTricks", "Wie nutzen Sie Windows XP optimal, und auf was können Sie absolut verzichten..."},
        {"cmdXPUtilities", "Die wichtigsten und versteckten Windows Programme..."},
        {"cmdInfo", "Infos über den Zunderwerk..."},
        {"cmdUpdate", "Aktualität des Zunderwerks überprüfen und eventuell Update downloaden..."},
        {"cmdFeedback", "Fragen, Bugs, Kritik, oder einfach nur ein kleines Lob loswerden..."},
    };
    for (const auto& [button, text] : table) {
        QTest::mouseMove(child(form, button), QPoint(10, 10));
        EXPECT_EQ(info->toPlainText(), QString::fromUtf8(text)) << button;
    }
    QTest::mouseMove(child(form, "lblQuickInfo"), QPoint(2, 2));
    QTest::mouseMove(child(form, "cmdSchließen"), QPoint(5, 5));
    EXPECT_EQ(info->toPlainText(), QString::fromUtf8(table[5].second)) << "labels and other buttons keep the text";
    QTest::mouseMove(form->background(), QPoint(20, 370));
    EXPECT_TRUE(info->toPlainText().isEmpty());
}

TEST_F(Form1Test, SpaceStartsTheAnimationWithoutPressingTheFocusedButton) {
    Form1* form = showMain();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    auto* tuning = child<QPushButton>(form, "cmdSystemTuning");
    tuning->setFocus();
    QTest::keyClick(tuning, Qt::Key_Space);
    EXPECT_TRUE(pv::OwlFlag);
    EXPECT_EQ(form->captionLeftTwips(), 1770);
    EXPECT_FALSE(navigator.loaded("Regedit")) << "the space is the window's, not the button's";
    EXPECT_TRUE(form->isVisible());

    QTest::keyClick(tuning, Qt::Key_Escape);
    flushDeletes();
    EXPECT_FALSE(navigator.loaded("Form1")) << "ESC unloads the main window whatever has the focus";
}

TEST_F(Form1Test, TitleAnimationRunsItsTurnsAndTonesOnTheClock) {
    Form1* form = showMain();
    form->startTitleAnimation();
    std::vector<int> turns{1800};
    int direction = -1, last = form->captionLeftTwips();
    while (fakes.clock.runNext()) {
        const int now = form->captionLeftTwips();
        if (now == last) continue;
        const int moved = now > last ? 1 : -1;
        if (moved != direction || std::abs(now - last) != 30) turns.push_back(last);
        if (std::abs(now - last) == 30) direction = moved;
        last = now;
    }
    turns.push_back(last);
    EXPECT_EQ(turns, (std::vector<int>{1800, 0, 1800, 0, 1200, 0, 600, 0, 1800}));
    EXPECT_EQ(fakes.tones.tones, (std::vector<Tone>{{100, 100}, {200, 100}, {100, 100}, {200, 100}, {100, 100}, {200, 100},
                                              {100, 100}, {200, 100}, {300, 100}, {400, 100}}));
    EXPECT_EQ(pv::CaptionLimit, 0) << "not reset between runs";

    fakes.tones.tones.clear();
    form->startTitleAnimation();
    EXPECT_EQ(form->captionLeftTwips(), 1770);
    while (fakes.clock.runNext()) {
    }
    EXPECT_EQ(form->captionLeftTwips(), 1800);
    EXPECT_EQ(fakes.tones.tones, (std::vector<Tone>{{100, 100}, {200, 100}, {300, 100}, {400, 100}}))
        << "a second run only slides to the left edge";
}

TEST_F(Form1Test, HubButtonDuringTheAnimationUnloadsTheHiddenMainWindowAndReturnsAFreshOne) {
    QPointer<Form1> form = showMain();
    form->startTitleAnimation();
    fakes.clock.advance(400);
    QTest::mouseClick(child(form, "cmdSystemTuning"), Qt::LeftButton);
    ASSERT_TRUE(navigator.loaded("Regedit"));
    fakes.clock.advance(400);
    EXPECT_TRUE(pv::AnimationStopped);
    EXPECT_TRUE(QTest::qWaitFor([&] { flushDeletes(); return form.isNull(); }, 2000))
        << "Timer2 unloads the hidden main window";

    navigator.loaded("Regedit")->closeWindow();
    auto* fresh = static_cast<Form1*>(navigator.loaded("Form1"));
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(fresh->captionLeftTwips(), 1800);
    EXPECT_FALSE(pv::OwlFlag);
}

TEST_F(Form1Test, FeedbackShowsTheNoticeWhileHiddenThenTheWindow) {
    Form1* form = showMain();
    QTest::mouseClick(child(form, "cmdFeedback"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return navigator.loaded("Feedback") != nullptr; }, 2000));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    const RecordedMessage& notice = fakes.dialogs.messages[0];
    EXPECT_EQ(notice.text, "Bitte vergewissern Sie sich, dass Sie mit dem Internet verbunden sind, wenn Sie Ihr "
                           "Feedback senden möchten!");
    EXPECT_EQ(notice.title, "Important!");
    EXPECT_EQ(notice.icon, MsgIcon::Information);
    EXPECT_EQ(notice.buttons, MsgButtons::Ok);
}

TEST_F(Form1Test, MinimierenHandsOverAndTimer1RemovesTheTrayWindowLater) {
    Form1* form = showMain();
    QTest::mouseClick(child(form, "cmdMinimieren"), Qt::LeftButton);
    flushDeletes();
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Minimiert"});
    showMain();
    EXPECT_TRUE(QTest::qWaitFor([&] { return navigator.loaded("Minimiert") == nullptr; }, 2000));
}

TEST_F(Form1Test, SecondCopyUnloadsAtOnceWithoutShowingAnything) {
    fakes.instance.answer = platform::InstanceService::Claim::AnotherRunning;
    EXPECT_EQ(navigator.show("Form1"), nullptr);
    EXPECT_TRUE(navigator.loadedNames().isEmpty());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(Form1Test, FailedLoadStepRepairsAndSkipsMissingFiles) {
    QTemporaryDir program;
    QFile present(program.path() + "/MSINET.OCX");
    ASSERT_TRUE(present.open(QIODevice::WriteOnly));
    present.write("not a library");
    present.close();
    fakes.folders.program = program.path();
    fakes.instance.answer = platform::InstanceService::Claim::Failed;
    Form1* form = showMain();
    ASSERT_TRUE(form) << "the window is shown all the same";
    EXPECT_TRUE(form->isVisible());
    const QDir system(fakes.folders.windows + "/SYSTEM");
    EXPECT_EQ(system.entryList(QDir::Files), QStringList{"MSINET.OCX"}) << "missing files are skipped";
}

TEST_F(Form1Test, UnregisteredDownloadComponentIsRegisteredFromTheProgramFolder) {
    QTemporaryDir program;
    const QString component = program.path() + "/" + QString::fromLatin1(shell::kFetchlingFile.data());
    ASSERT_TRUE(QFile::copy(QStringLiteral(FETCHLING_FILE), component));
    fakes.folders.program = program.path();
    ASSERT_FALSE(shell::fetchlingUsable());
    ASSERT_TRUE(showMain());
    EXPECT_TRUE(shell::fetchlingUsable());
    EXPECT_EQ(QString::fromStdString(platform::registeredServer(fetchling::CLSID_clsDownload)), component);
}

}  // namespace
}  // namespace zw::test

// The shell's small modules and the real services: Delay, GetWindowsFolder, the rounded shape,
// the single-instance lock, the real message box, program start and shell open on this desktop.
#include "support/fake_services.h"

#include "platform/qt_launcher.h"
#include "platform/qt_services.h"
#include "shell/mod_delay.h"
#include "shell/win_dir.h"
#include "shell/window_shape.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace zw::test {
namespace {

TEST(Delay, KeepsTimersAndQueuedEventsRunningUntilTheTimeHasPassed) {
    bool timerFired = false, queuedRan = false;
    QTimer::singleShot(20, [&] { timerFired = true; });
    QMetaObject::invokeMethod(qApp, [&] { queuedRan = true; }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    modDelay::Delay(400);
    EXPECT_GE(clock.elapsed(), 399) << "whole milliseconds on two clocks";
    EXPECT_TRUE(queuedRan);
    EXPECT_TRUE(timerFired) << "timers fire while Delay waits";
}

TEST(Delay, WaitsForTheServiceClock) {
    FakeServices fakes;
    fakes.clock.autoAdvance = 10;
    const std::uint32_t start = fakes.clock.now;
    modDelay::Delay(100);
    EXPECT_GE(fakes.clock.now - start, 100u);
    EXPECT_LT(fakes.clock.now - start, 130u);
}

TEST(GetWindowsFolder, EndsInOneSeparator) {
    FakeServices fakes;
    fakes.folders.windows = "/srv/zw/WINDOWS";
    EXPECT_EQ(WinDir::GetWindowsFolder(), "/srv/zw/WINDOWS/");
    fakes.folders.windows = "/srv/zw/WINDOWS/";
    EXPECT_EQ(WinDir::GetWindowsFolder(), "/srv/zw/WINDOWS/");
}

TEST(GetWindowsFolder, OwnFolderHasSystemInsideAndIsPrivate) {
    platform::QtFolders folders;
    const QString windows = folders.windowsDirectory();
    EXPECT_TRUE(windows.endsWith("/Zunderwerk/WINDOWS"));
    EXPECT_TRUE(QFileInfo(windows + "/SYSTEM").isDir());
    EXPECT_EQ(folders.systemDirectory(), windows + "/SYSTEM");
    const auto permissions = QFileInfo(windows).permissions();
    EXPECT_FALSE(permissions & (QFileDevice::ReadOther | QFileDevice::ReadGroup));
}

TEST(RoundedShape, CornersAreCutWithAnEightyPixelEllipse) {
    const QSize form = shell::designPixelSize(7440, 5880);
    EXPECT_EQ(form, QSize(496, 392));
    const QRegion shape = shell::roundedShape(form);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(495, 391)));
    EXPECT_FALSE(shape.contains(QPoint(8, 8)));
    EXPECT_TRUE(shape.contains(QPoint(14, 14)));
    EXPECT_TRUE(shape.contains(QPoint(40, 0)));
    EXPECT_TRUE(shape.contains(QPoint(0, 196)));
    EXPECT_TRUE(shape.contains(QPoint(248, 391)));
    EXPECT_EQ(shape.boundingRect(), QRect(0, 0, 496, 392));

    const QSize at120dpi = shell::designPixelSize(7440, 5880, 12, 12);
    EXPECT_EQ(at120dpi, QSize(620, 490));
    const QRegion larger = shell::roundedShape(at120dpi);
    EXPECT_FALSE(larger.contains(QPoint(8, 8))) << "the same 80-pixel corner";
    EXPECT_TRUE(larger.contains(QPoint(14, 14)));
}

TEST(SingleInstance, SecondClaimOnTheSameLockSeesTheFirst) {
    QTemporaryDir runtime;
    const QString lock = runtime.path() + "/zunderwerk.lock";
    platform::LockFileInstance first(lock), second(lock);
    EXPECT_EQ(first.claim(), platform::InstanceService::Claim::First);
    EXPECT_EQ(first.claim(), platform::InstanceService::Claim::First) << "a copy that holds the lock keeps it";
    EXPECT_EQ(second.claim(), platform::InstanceService::Claim::AnotherRunning);
    platform::LockFileInstance unusable("/proc/zunderwerk-no-such-folder/zunderwerk.lock");
    EXPECT_EQ(unusable.claim(), platform::InstanceService::Claim::Failed);
}

TEST(RealMessageBox, ShowsTextTitleIconAndReturnsThePressedButton) {
    QString seenText, seenTitle;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenIcon = box->icon();
        box->button(QMessageBox::No)->click();
    });
    platform::QtDialogs dialogs;
    const auto answer = dialogs.messageBox("Wirklich?", "", platform::MsgIcon::Question, platform::MsgButtons::YesNo);
    EXPECT_EQ(answer, platform::MsgAnswer::No);
    EXPECT_EQ(seenText, "Wirklich?");
    EXPECT_EQ(seenTitle, "Zunderwerk") << "an empty title is the program title";
    EXPECT_EQ(seenIcon, QMessageBox::Question);
}

// A search path holding only the scripts a test writes.
class LocalPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", bin_.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", savedPath_); }
    // A program that writes its arguments to `mark`.
    QString addProgram(const QString& name) {
        const QString path = bin_.path() + "/" + name;
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(mark()).toLocal8Bit());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    QString mark() const { return bin_.path() + "/mark.txt"; }
    QString markText() const {
        QFile file(mark());
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed() : QString();
    }
    FakeServices fakes;
    QTemporaryDir bin_;
    QByteArray savedPath_;
};

TEST_F(LocalPrograms, DesignCommandStartsTheLocalStandIn) {
    addProgram("gnome-control-center");
    platform::QtLauncher launcher;
    launcher.startProgram("Rundll32.exe shell32.dll, Control_RunDLL powercfg.cpl", platform::kShowMinimized);
    EXPECT_TRUE(QTest::qWaitFor([&] { return markText() == "power"; }, 5000)) << markText().toStdString();
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(LocalPrograms, ProgramWithoutStandInIsReportedAndNothingEnds) {
    platform::QtLauncher launcher;
    launcher.startProgram("winchat.exe", platform::kShowNormal);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              "Das Programm „Win Chat“ (winchat.exe) ist auf diesem System nicht verfügbar.");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, platform::MsgIcon::Exclamation);
}

TEST_F(LocalPrograms, ShellOpenOffersOpenWithWhereNoProgramIsAssociated) {
    const QString viewer = addProgram("viewer");
    const QString document = bin_.path() + "/less128.vbs";
    QFile(document).open(QIODevice::WriteOnly);
    fakes.dialogs.openAnswers << viewer;
    platform::QtLauncher launcher;
    launcher.shellOpen(document);
    ASSERT_EQ(fakes.dialogs.openRequests.size(), 1);
    EXPECT_TRUE(fakes.dialogs.openRequests[0].title.contains("less128.vbs"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return markText() == document; }, 5000));

    launcher.shellOpen(bin_.path() + "/missing.vbs");
    EXPECT_EQ(fakes.dialogs.openRequests.size(), 1) << "a missing document is simply not opened";
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace zw::test

// Recording fakes of the program's services, for tests.
//
//   zw::test::FakeServices fakes;              // installed while it lives
//   fakes.dialogs.answers.push_back(MsgAnswer::No);   // scripted answers, in order
//   ... click real widgets ...
//   ASSERT_EQ(fakes.dialogs.messages.size(), 1);
//   EXPECT_EQ(fakes.dialogs.messages[0].text, "Registry Wert wurde erfolgreich gesetzt!");
//   fakes.clock.advance(180);                  // runs the timers that come due, in order
//
// The program folder is a build-tree folder whose Data is the project's data/ folder; the
// Windows folder is a fresh temporary folder with SYSTEM inside. The registry is left as the
// test set it up; MemoryRegistry gives a fresh store in memory.
#pragma once

#include "platform/registry_access.h"
#include "platform/services.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

namespace zw::test {

using platform::FileDialogRequest;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

struct RecordedMessage {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakeDialogs final : public platform::DialogService {
public:
    MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;

    QList<RecordedMessage> messages;
    std::deque<MsgAnswer> answers;      // taken in order; when empty: the box's first button
    QList<FileDialogRequest> openRequests, saveRequests;
    QStringList openAnswers, saveAnswers;  // taken in order; when empty: cancelled ("")
};

struct Tone {
    int hz;
    int ms;
    bool operator==(const Tone&) const = default;
};

class FakeTones final : public platform::ToneService {
public:
    void beep(int hz, int ms) override { tones.push_back({hz, ms}); }
    std::vector<Tone> tones;
};

struct StartedProgram {
    QString commandLine;
    int windowStyle;
};

class FakeLauncher final : public platform::LaunchService {
public:
    void startProgram(const QString& commandLine, int windowStyle) override { started.push_back({commandLine, windowStyle}); }
    void shellOpen(const QString& file) override { opened << file; }
    bool openUrl(const QString& url) override {
        urls << url;
        return urlResult;
    }
    QList<StartedProgram> started;
    QStringList opened;
    QStringList urls;
    bool urlResult = true;
};

// Time that moves only when the test says so.
class FakeClock final : public platform::ClockService {
public:
    std::uint32_t tickCount() override {
        now += autoAdvance;
        return now;
    }
    void singleShot(int ms, QObject* context, std::function<void()> fn) override;

    // Moves time forward by `ms`, running every timer that comes due, in order of due time
    // (timers started by those timers included).
    void advance(std::uint32_t ms);
    // Runs timers until none is left or `limitMs` have passed; returns the time spent.
    std::uint32_t runUntilIdle(std::uint32_t limitMs = 600000);
    std::size_t pendingCount() const { return pending_.size(); }
    // Runs the earliest timer, moving time to its due time; false when none is pending.
    bool runNext() { return runNextDueBy(UINT32_MAX); }

    std::uint32_t now = 1000;
    std::uint32_t autoAdvance = 0;  // added on every tickCount() read (for Delay)

private:
    struct Pending {
        std::uint32_t due;
        std::uint64_t order;
        bool hasContext;
        QPointer<QObject> context;
        std::function<void()> fn;
    };
    bool runNextDueBy(std::uint32_t limit);
    std::vector<Pending> pending_;
    std::uint64_t nextOrder_ = 0;
};

class FakeFolders final : public platform::FolderService {
public:
    FakeFolders();
    QString windowsDirectory() override { return windows; }
    QString systemDirectory() override { return windows + QStringLiteral("/SYSTEM"); }
    QString programFolder() override { return program; }

    QTemporaryDir scratch;
    QString windows;  // as the platform would report it, without a trailing separator
    QString program;  // has Data/ (the project's data folder)
};

class FakeInstance final : public platform::InstanceService {
public:
    Claim claim() override {
        ++claims;
        return answer;
    }
    Claim answer = Claim::First;
    int claims = 0;
};

class FakeServices {
public:
    FakeServices();
    FakeDialogs dialogs;
    FakeTones tones;
    FakeLauncher launcher;
    FakeClock clock;
    FakeFolders folders;
    FakeInstance instance;

private:
    platform::ScopedServices scope_;
};

// A fresh registry store in memory, seeded with the default hive, in force while it lives.
class MemoryRegistry {
public:
    MemoryRegistry();
    std::shared_ptr<platform::RegistryStore> store;

private:
    platform::ScopedRegistry scope_;
};

// The build-tree program folder whose Data is the project's data/ folder.
QString testProgramFolder();

}  // namespace zw::test

#include "fake_services.h"

#include "platform/default_hive.h"
#include "platform/sqlite_registry_store.h"

#include <QDir>

#include <algorithm>

namespace zw::test {

MsgAnswer FakeDialogs::messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) {
    messages.push_back({text, title, icon, buttons});
    if (!answers.empty()) {
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    }
    return MsgAnswer::Ok;
}

QString FakeDialogs::openFileName(const FileDialogRequest& request) {
    openRequests.push_back(request);
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString FakeDialogs::saveFileName(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

void FakeClock::singleShot(int ms, QObject* context, std::function<void()> fn) {
    pending_.push_back({now + static_cast<std::uint32_t>(std::max(ms, 0)), nextOrder_++, context != nullptr,
                        QPointer<QObject>(context), std::move(fn)});
}

bool FakeClock::runNextDueBy(std::uint32_t limit) {
    auto next = std::min_element(pending_.begin(), pending_.end(), [](const Pending& a, const Pending& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (next == pending_.end() || next->due > limit) return false;
    Pending due = std::move(*next);
    pending_.erase(next);
    now = std::max(now, due.due);
    if (!due.hasContext || due.context) due.fn();
    return true;
}

void FakeClock::advance(std::uint32_t ms) {
    const std::uint32_t target = now + ms;
    while (runNextDueBy(target)) {
    }
    now = target;
}

std::uint32_t FakeClock::runUntilIdle(std::uint32_t limitMs) {
    const std::uint32_t start = now;
    while (runNextDueBy(start + limitMs)) {
    }
    return now - start;
}

FakeFolders::FakeFolders() {
    windows = scratch.path() + QStringLiteral("/WINDOWS");
    QDir().mkpath(windows + QStringLiteral("/SYSTEM"));
    program = testProgramFolder();
}

QString testProgramFolder() { return QStringLiteral(ZW_TEST_PROGRAM_FOLDER); }

namespace {
std::shared_ptr<platform::RegistryStore> freshRegistry() {
    return platform::SqliteRegistryStore::open(":memory:", platform::seedDefaultHive).store;
}
}  // namespace

FakeServices::FakeServices()
    : scope_(platform::Services{&dialogs, &tones, &launcher, &clock, &folders, &instance}) {}

MemoryRegistry::MemoryRegistry() : store(freshRegistry()), scope_(store) {}

}  // namespace zw::test

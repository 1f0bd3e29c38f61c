// The single-instance lock: a lock file in the user's runtime folder, held by the running copy.
#include "qt_services.h"

#include <QDir>
#include <QStandardPaths>

namespace zw::platform {

LockFileInstance::LockFileInstance(QString lockPath) : path_(std::move(lockPath)) {}

QString LockFileInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/zunderwerk.lock");
}

InstanceService::Claim LockFileInstance::claim() {
    if (lock_ && lock_->isLocked()) return Claim::First;
    if (path_.isEmpty()) path_ = defaultLockPath();
    lock_ = std::make_unique<QLockFile>(path_);
    if (lock_->tryLock(0)) return Claim::First;
    const QLockFile::LockError error = lock_->error();
    lock_.reset();
    return error == QLockFile::LockFailedError ? Claim::AnotherRunning : Claim::Failed;
}

}  // namespace zw::platform

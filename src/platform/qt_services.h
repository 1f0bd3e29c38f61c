// The real services of the program, built on Qt and the operating system.
#pragma once

#include "services.h"

#include <QLockFile>

#include <memory>

namespace zw::platform {

// The one set of real services of this process, created on first use.
const Services& realServices();

class QtDialogs final : public DialogService {
public:
    MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
};

class QtClock final : public ClockService {
public:
    std::uint32_t tickCount() override;
    void singleShot(int ms, QObject* context, std::function<void()> fn) override;
};

class QtFolders final : public FolderService {
public:
    QString windowsDirectory() override;
    QString systemDirectory() override;
    QString programFolder() override;
};

// The lock file "zunderwerk.lock" in the user's runtime folder, held while the process lives.
class LockFileInstance final : public InstanceService {
public:
    explicit LockFileInstance(QString lockPath = {});
    Claim claim() override;
    static QString defaultLockPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

// Converts the Windows dialog filter notation "Text|*.a;*.b|Text2|*.c" to Qt's "Text (*.a *.b);;Text2 (*.c)".
QString qtFilterFromWindows(const QString& filter);

}  // namespace zw::platform

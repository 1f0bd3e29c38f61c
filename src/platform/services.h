// The program's services: everything the user sees outside our own windows (message boxes,
// file dialogs, tones) and everything it asks of the system (starting programs, opening
// documents and web addresses, the tick count, the Windows folder, the single-instance lock).
//
// Contract for windows and routines: reach them only through zw::platform::services(), e.g.
//     services().dialogs->messageBox(text, title, MsgIcon::Information, MsgButtons::Ok);
//     services().launcher->startProgram("cmd.exe", kShowNormal);
//     services().clock->singleShot(ms, this, [this] { ... });
// The program uses the real Qt implementations (qt_services.h), which services() creates on
// first use. A test installs recording fakes for its lifetime with zw::test::FakeServices
// (tests/support/fake_services.h), which swaps the whole set through ScopedServices.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QObject;

namespace zw::platform {

// Message boxes, with the icon, button and answer numbers of the Windows message box.
enum class MsgIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class MsgButtons { Ok = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class MsgAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// A file dialog as the program asks for it: title, filter ("Bilder (*.bmp)|*.bmp|Alle (*.*)|*.*"
// in the Windows dialog's own notation), start folder and proposed file name.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString folder;
    QString fileName;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // Shows a modal box and returns the pressed button. An empty title means the program title.
    virtual MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons = MsgButtons::Ok) = 0;
    // The chosen file's path, or the empty text when the user cancelled.
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
};

class ToneService {
public:
    virtual ~ToneService() = default;
    // A tone of `hz` for `ms` on the default audio output; nothing where there is none.
    // Returns at once; tones asked for while one plays follow it in order.
    virtual void beep(int hz, int ms) = 0;
};

// Window styles of a started program.
inline constexpr int kShowNormal = 1;     // normal window with the focus
inline constexpr int kShowMinimized = 2;  // minimised with the focus

class LaunchService {
public:
    virtual ~LaunchService() = default;
    // Starts a command line as an independent process and never waits for it. Off Windows the
    // command line goes through the table of local equivalents (program_table.h); a program
    // that cannot be started is reported in a German message box, never by ending the program.
    virtual void startProgram(const QString& commandLine, int windowStyle) = 0;
    // Opens a document by its association; where none exists the user chooses a program.
    // A missing document is silently not opened.
    virtual void shellOpen(const QString& file) = 0;
    // Opens a web address or a mailto: link in the desktop's browser or mail program.
    virtual bool openUrl(const QString& url) = 0;
};

class ClockService {
public:
    virtual ~ClockService() = default;
    // Milliseconds since system start, wrapping at 2^32 like GetTickCount.
    virtual std::uint32_t tickCount() = 0;
    // Runs `fn` once after `ms` milliseconds on the user-interface thread, unless `context`
    // is destroyed first. The waits of animations go through here so tests can step time.
    virtual void singleShot(int ms, QObject* context, std::function<void()> fn) = 0;
};

class FolderService {
public:
    virtual ~FolderService() = default;
    // The Windows folder as the platform reports it (no separator added). Off Windows: the
    // program's own per-user folder ".../Zunderwerk/WINDOWS" with SYSTEM inside, created on
    // demand, readable by the user only.
    virtual QString windowsDirectory() = 0;
    // The system folder (Windows' SYSTEM32; off Windows the WINDOWS/SYSTEM folder above).
    virtual QString systemDirectory() = 0;
    // The folder of the program file; its Data folder holds pictures and scripts.
    virtual QString programFolder() = 0;
};

class InstanceService {
public:
    virtual ~InstanceService() = default;
    enum class Claim { First, AnotherRunning, Failed };
    // Claims the single-instance lock for this process (again: First at once). Failed when the
    // lock cannot be made at all, which the start-up treats as a failed load step.
    virtual Claim claim() = 0;
};

// The set of services in force. Pointers are never null once services() returned.
struct Services {
    DialogService* dialogs = nullptr;
    ToneService* tones = nullptr;
    LaunchService* launcher = nullptr;
    ClockService* clock = nullptr;
    FolderService* folders = nullptr;
    InstanceService* instance = nullptr;
};

// The services in force: the installed set, or the real ones (created on first use; needs a
// QApplication for the dialogs).
const Services& services();

// Installs a set for the lifetime of the object; members left null keep the previous ones.
class ScopedServices {
public:
    explicit ScopedServices(const Services& replacement);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services previous_;
};

// The title of the program's own message boxes.
inline const QString kProgramTitle = QStringLiteral("Zunderwerk");

}  // namespace zw::platform

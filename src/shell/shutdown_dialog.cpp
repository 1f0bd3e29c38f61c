#include "shutdown_dialog.h"

#include "shutdown_dialogs.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QWidget>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zw::shell {
namespace {

bool systemShutdownDialog([[maybe_unused]] QWidget* owner)
{
#ifdef _WIN32
    // shell32 exports its shut-down dialog by number only (60); it takes the owner window.
    HMODULE shell32 = LoadLibraryA("shell32.dll");
    if (!shell32)
        return false;
    using ExitWindowsDialogFn = void(WINAPI*)(HWND);
    auto dialog = reinterpret_cast<ExitWindowsDialogFn>(
        reinterpret_cast<void*>(GetProcAddress(shell32, MAKEINTRESOURCEA(60))));
    if (dialog)
        dialog(owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr);
    FreeLibrary(shell32);
    return dialog != nullptr;
#else
    const auto command = findShutdownDialog(qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString(),
                                            [](std::string_view program) {
                                                return !QStandardPaths::findExecutable(
                                                            QString::fromUtf8(program.data(), qsizetype(program.size())))
                                                            .isEmpty();
                                            });
    if (!command)
        return false;
    QStringList arguments;
    for (const auto argument : command->arguments)
        arguments << QString::fromUtf8(argument.data(), qsizetype(argument.size()));
    return QProcess::startDetached(QString::fromUtf8(command->program.data(), qsizetype(command->program.size())),
                                   arguments);
#endif
}

ScopedShutdownDialog::Opener& currentOpener()
{
    static ScopedShutdownDialog::Opener opener = systemShutdownDialog;
    return opener;
}

}  // namespace

bool openShutdownDialog(QWidget* owner) { return currentOpener()(owner); }

ScopedShutdownDialog::ScopedShutdownDialog(Opener opener) : previous_(std::move(currentOpener()))
{
    currentOpener() = std::move(opener);
}

ScopedShutdownDialog::~ScopedShutdownDialog() { currentOpener() = std::move(previous_); }

}  // namespace zw::shell

#include "qt_launcher.h"

#include "program_table.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace zw::platform {
namespace {

#ifndef _WIN32
bool startDetached(const std::vector<std::string>& argv, const QString& workingFolder = {}) {
    if (argv.empty()) return false;
    QStringList arguments;
    for (std::size_t i = 1; i < argv.size(); ++i) arguments << QString::fromStdString(argv[i]);
    return QProcess::startDetached(QString::fromStdString(argv.front()), arguments, workingFolder);
}

bool onPath(const std::string& program) {
    return !QStandardPaths::findExecutable(QString::fromStdString(program)).isEmpty();
}

// Starts what stands in for a design command line; tells the user when nothing can.
void startResolved(const QString& commandLine) {
    const std::string line = commandLine.toStdString();
    const Resolution resolution = resolveCommandLine(line, onPath);
    if (resolution.kind != Resolution::Kind::Unavailable && startDetached(resolution.argv)) return;
    services().dialogs->messageBox(QString::fromStdString(unavailableMessage(resolution, line)), kProgramTitle,
                                   MsgIcon::Exclamation, MsgButtons::Ok);
}

// Open With: the user picks a program, which then gets the file.
void openWithChosenProgram(const QString& path) {
    FileDialogRequest request;
    request.title = QStringLiteral("Öffnen mit - Programm für \"%1\" wählen").arg(QFileInfo(path).fileName());
    request.folder = QStringLiteral("/usr/bin");
    request.filter = QStringLiteral("Programme|*");
    const QString program = services().dialogs->openFileName(request);
    if (program.isEmpty()) return;
    if (!QProcess::startDetached(program, {path})) {
        services().dialogs->messageBox(
            QStringLiteral("Das Programm \"%1\" konnte nicht gestartet werden.").arg(program), kProgramTitle,
            MsgIcon::Exclamation, MsgButtons::Ok);
    }
}

#endif

}  // namespace

bool hasDesktopAssociation(const QString& path) {
    const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) return false;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mime});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

#ifdef _WIN32

void QtLauncher::startProgram(const QString& commandLine, int windowStyle) {
    QByteArray line = commandLine.toLocal8Bit();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle == kShowMinimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return;
    }
    services().dialogs->messageBox(
        QStringLiteral("Das Programm \"%1\" konnte nicht gestartet werden.").arg(commandLine), kProgramTitle,
        MsgIcon::Exclamation, MsgButtons::Ok);
}

void QtLauncher::shellOpen(const QString& file) {
    const QByteArray name = file.toLocal8Bit();
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(GetDesktopWindow(), "open", name.constData(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result != SE_ERR_NOASSOC) return;
    char system[260] = {};
    const UINT length = GetSystemDirectoryA(system, sizeof system);
    const std::string folder(system, length < sizeof system ? length : 0);
    const QByteArray parameters = "shell32.dll,OpenAs_RunDLL " + name;
    ShellExecuteA(GetDesktopWindow(), nullptr, "RUNDLL32.EXE", parameters.constData(), folder.c_str(), SW_SHOWNORMAL);
}

#else

void QtLauncher::startProgram(const QString& commandLine, int /*windowStyle*/) {
    // The desktop decides how a started program's window appears; the style is a wish only.
    startResolved(commandLine);
}

void QtLauncher::shellOpen(const QString& file) {
    // Console documents and programs the design opens through the shell.
    if (findEquivalent(file.toStdString())) {
        startResolved(file);
        return;
    }
    QString path = QDir::fromNativeSeparators(file);
    const QFileInfo info(path);
    if (!info.exists()) return;  // a missing document is simply not opened
    path = info.absoluteFilePath();
    if (hasDesktopAssociation(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
    openWithChosenProgram(path);
}

#endif

bool QtLauncher::openUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

}  // namespace zw::platform

#include "update_window.h"

#include "frm_splash.h"
#include "progress_picture.h"
#include "read_file.h"
#include "server_address.h"
#include "update_rules.h"
#include "update_texts.h"

#include "platform/component_loader.h"
#include "platform/private_folder.h"
#include "platform/services.h"
#include "shell/navigator.h"
#include "shell/win_dir.h"

#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

namespace zw::online {

namespace {

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::services;

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

MsgAnswer box(std::string_view textUtf8, std::string_view title, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok)
{
    return services().dialogs->messageBox(q(textUtf8), q(title), icon, buttons);
}

MsgIcon iconFor(InfoIcon icon)
{
    switch (icon) {
    case InfoIcon::Critical:
        return MsgIcon::Critical;
    case InfoIcon::Exclamation:
        return MsgIcon::Exclamation;
    case InfoIcon::Question:
        return MsgIcon::Question;
    case InfoIcon::Information:
        break;
    }
    return MsgIcon::Information;
}

const shell::WindowDesign kDesign{
    QStringLiteral("Update"), 7560, 8130, QStringLiteral("Update Zunderwerk"), QStringLiteral("Form1"),
    shell::LeaveRule::Stay, true, true, true};

QLineEdit* hiddenBox(QWidget* parent, const QString& name, const QString& text = {})
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->hide();
    return box;
}

} // namespace

UpdateWindow::UpdateWindow(QWidget* parent) : ToolWindow(kDesign, parent), factory_(&UpdateWindow::createDownload)
{
    setBackground(QStringLiteral("Pics/Backgrounds/tool.png"));
    addCaption(q(text::kWindowCaption), twipsRect(240, 120, 5400, 375));

    addLabel(QStringLiteral("Label1"), QStringLiteral("Gibt es eine neue Version?"), twipsRect(480, 900, 4200, 255));
    cmdCheckForUpdate_ = addButton(QStringLiteral("cmdCheckForUpdate"), QStringLiteral("Check for update !"),
                                   twipsRect(480, 1200, 2535, 495));
    addLabel(QStringLiteral("Label2"), QStringLiteral("Aktuelle Info-Message:"), twipsRect(480, 1980, 4200, 255));
    cmdServerMessage_ = addButton(QStringLiteral("cmdServerMessage"), QStringLiteral("Check Message !"),
                                  twipsRect(480, 2280, 2535, 495));
    addLabel(QStringLiteral("Label3"), QStringLiteral("Update Zunderwerk:"), twipsRect(480, 3060, 4200, 255));
    txtLokalFile_ = new QLineEdit(this);
    txtLokalFile_->setObjectName(QStringLiteral("txtLokalFile"));
    txtLokalFile_->setGeometry(twipsRect(480, 3360, 5055, 345));
    cmdLocalFile_ = addButton(QStringLiteral("cmdLocalFile"), QStringLiteral("Speicher Ort"), twipsRect(5640, 3345, 1455, 375));
    cmdDownload_ = addButton(QStringLiteral("cmdDownload"), QStringLiteral("Update !"), twipsRect(480, 3840, 2535, 495));
    cmdAbort_ = addButton(QStringLiteral("cmdAbort"), QStringLiteral("Abbrechen"), twipsRect(3120, 3840, 1815, 495));
    cmdAbort_->setEnabled(false);

    addLabel(QStringLiteral("Label4"), QStringLiteral("Status:"), twipsRect(480, 4620, 4200, 255));
    picProgress_ = new ProgressPicture(this);
    picProgress_->setGeometry(twipsRect(480, 4920, 6615, 375));
    txtStatus_ = new QLineEdit(this);
    txtStatus_->setObjectName(QStringLiteral("txtStatus"));
    txtStatus_->setReadOnly(true);
    txtStatus_->setGeometry(twipsRect(480, 5400, 6615, 345));
    txtStatus_->setStyleSheet(QStringLiteral("background: #FFFFC0;"));   // &H00C0FFFF

    addOnTopBox(twipsRect(480, 7440, 1215, 255));
    cmdUnload_ = addButton(QStringLiteral("cmdUnload"), QStringLiteral("Beenden"), twipsRect(5640, 7380, 1455, 375));
    addOwl(3480, 7320);

    txtaktuelleVersion_ = hiddenBox(this, QStringLiteral("txtaktuelleVersion"), q(text::kCurrentVersion));
    txtNeusteVersion_ = hiddenBox(this, QStringLiteral("txtNeusteVersion"));
    txtServerMessage_ = new QPlainTextEdit(this);
    txtServerMessage_->setObjectName(QStringLiteral("txtServerMessage"));
    txtServerMessage_->hide();
    txtServerMessageTyp_ = hiddenBox(this, QStringLiteral("txtServerMessageTyp"));

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(kTimeoutMs);

    connect(cmdCheckForUpdate_, &QPushButton::clicked, this, &UpdateWindow::cmdCheckForUpdate_Click);
    connect(cmdServerMessage_, &QPushButton::clicked, this, &UpdateWindow::cmdServerMessage_Click);
    connect(cmdLocalFile_, &QPushButton::clicked, this, &UpdateWindow::cmdLocalFile_Click);
    connect(cmdDownload_, &QPushButton::clicked, this, &UpdateWindow::cmdDownload_Click);
    connect(cmdAbort_, &QPushButton::clicked, this, &UpdateWindow::cmdAbort_Click);
    connect(cmdUnload_, &QPushButton::clicked, this, &UpdateWindow::cmdUnload_Click);
    connect(Timer1_, &QTimer::timeout, this, &UpdateWindow::Timer1_Timer);
}

UpdateWindow::~UpdateWindow()
{
    // A download still running is ended with the window: its file stays as far as written,
    // and no event reaches the window any more.
    dropDownload(true);
    unloadSplash();
}

UpdateWindow::DownloadRef UpdateWindow::createDownload(com::HResult* result)
{
    return platform::createInstance<fetchling::_clsDownload>(fetchling::CLSID_clsDownload, fetchling::IID__clsDownload,
                                                             result);
}

bool UpdateWindow::windowKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && downloading()) {
        dropDownload(true);
        Timer1_->stop();
    }
    return ToolWindow::windowKeyPress(event);
}

void UpdateWindow::showSplash()
{
    if (!splash_) {
        splash_ = std::make_unique<FrmSplash>();
    }
    splash_->showNow();
}

void UpdateWindow::unloadSplash() { splash_.reset(); }

UpdateWindow::LookUp UpdateWindow::lookUp(std::string_view path, std::string_view fileName, QString* target)
{
    // The answer lands in a file for a moment: only in a folder nobody else can reach.
    const std::string folder = WinDir::GetWindowsFolder().toStdString();
    const std::filesystem::path own = std::filesystem::path(folder).parent_path();
    const platform::FolderCheck safe = platform::securePrivateFolders({own.parent_path().string(), own.string()}, false);
    if (!safe.usable()) {
        folderRefusal_ = QString::fromStdString(safe.problem());
        return LookUp::FolderRefused;
    }
    const FetchResult answer = inet1_.get(QUrl(QString::fromStdString(serverUrl(productServer(), path))));
    if (!answer.ok) {
        return LookUp::Failed;
    }
    const std::string file = folder + std::string(fileName);
    if (!WriteFileBytes(file, answer.bytes.toStdString())) {
        return LookUp::Failed;
    }
    *target = QString::fromStdString(decodeServerText(ReadFile(file)));
    QFile::remove(QString::fromStdString(file));
    return LookUp::Done;
}

bool UpdateWindow::reportFolderRefusal(LookUp result)
{
    if (result != LookUp::FolderRefused) {
        return false;
    }
    services().dialogs->messageBox(folderRefusal_, q(text::kFolderRefusedTitle), MsgIcon::Critical, MsgButtons::Ok);
    return true;
}

void UpdateWindow::cmdCheckForUpdate_Click()
{
    onTopBox()->setChecked(false);
    showSplash();
    QString version;
    const LookUp result = lookUp(kVersionPath, kVersionFile, &version);
    const bool fetched = result == LookUp::Done;
    if (fetched) {
        txtNeusteVersion_->setText(version);
    }
    unloadSplash();
    if (reportFolderRefusal(result)) {
        return;
    }
    if (!fetched) {
        box(errorWithAddress(productSecondWebAddress()), text::kErrorTitle, MsgIcon::Information);
        return;
    }
    const std::string current = txtaktuelleVersion_->text().toStdString();
    const std::string newest = txtNeusteVersion_->text().toStdString();
    switch (judgeVersion(current, newest)) {
    case VersionVerdict::UpToDate:
        box(text::kNoNewVersion, text::kNoNewVersionTitle, MsgIcon::Information);
        break;
    case VersionVerdict::NewVersion:
        box(newVersionMessage(current, newest), text::kNewVersionTitle, MsgIcon::Information);
        break;
    case VersionVerdict::NoAnswer:
        box(text::kConnectionError, text::kConnectionErrorTitle, MsgIcon::Critical);
        break;
    }
}

void UpdateWindow::cmdServerMessage_Click()
{
    onTopBox()->setChecked(false);
    showSplash();
    QString message;
    QString kind;
    LookUp result = lookUp(kMessagePath, kMessageFile, &message);
    if (result == LookUp::Done) {
        result = lookUp(kMessageKindPath, kMessageKindFile, &kind);
    }
    const bool fetched = result == LookUp::Done;
    if (fetched) {
        txtServerMessage_->setPlainText(message);
        txtServerMessageTyp_->setText(kind);
    }
    unloadSplash();
    if (reportFolderRefusal(result)) {
        return;
    }
    if (!fetched) {
        box(text::kConnectionError, text::kConnectionErrorTitle, MsgIcon::Critical);
        return;
    }
    if (message.isEmpty() || kind.isEmpty()) {
        return;
    }
    const auto icon = infoKindIcon(kind.toStdString());
    if (!icon) {
        return;
    }
    services().dialogs->messageBox(message, q(text::kInfoMessageTitle), iconFor(*icon), MsgButtons::Ok);
}

void UpdateWindow::cmdLocalFile_Click()
{
    platform::FileDialogRequest request;
    request.filter = q(text::kZipFilter);
    const QString chosen = services().dialogs->saveFileName(request);
    if (!chosen.isEmpty()) {
        txtLokalFile_->setText(chosen);
    }
}

void UpdateWindow::cmdDownload_Click()
{
    if (txtLokalFile_->text().isEmpty()) {
        box(text::kNoPlace, text::kNoPlaceTitle, MsgIcon::Critical);
        return;
    }
    txtStatus_->setText(q(text::kPleaseWait));
    com::HResult result = com::kOk;
    DownloadRef download = factory_ ? factory_(&result) : DownloadRef();
    if (!download) {
        box(errorWithAddress(productWebAddress()), text::kErrorTitle, MsgIcon::Information);
        txtStatus_->setText(q(text::kServerUnreachable));
        return;
    }
    dropDownload(false);   // the object of an aborted download is replaced now
    FileDownload = download;
    FileDownload->Advise(this);
    bytesLoaded_ = 0;
    fileSize_ = 0;
    picProgress_->drawProgress(0, 0, 0, true);
    const std::string url = serverUrl(productServer(), kArchivePath);
    if (FileDownload->DoDownload(url.c_str(), txtLokalFile_->text().toStdString().c_str())) {
        downloading_ = true;
        setIdle(false);
        Timer1_->start();   // the time-out counts from this download's start
    } else {
        dropDownload(false);
    }
}

void UpdateWindow::cmdAbort_Click()
{
    if (box(text::kAbortQuestion, text::kAbortQuestionTitle, MsgIcon::None, MsgButtons::YesNo) != MsgAnswer::Yes) {
        return;
    }
    if (FileDownload) {
        FileDownload->AbortDownload();
    }
    downloading_ = false;
    txtStatus_->setText(q(text::kAborted));
    setIdle(true);
}

void UpdateWindow::cmdUnload_Click() { closeWindow(); }

void UpdateWindow::Timer1_Timer()
{
    if (txtStatus_->text() != q(text::kPleaseWait)) {
        // The component ends a download whose answer it cannot store without an event; the
        // tick reports it instead of leaving a download on screen that never moves again.
        if (downloading_ && FileDownload && FileDownload->Failed()) {
            downloadFailed();
        }
        return;
    }
    box(text::kTimeout, text::kTimeoutTitle, MsgIcon::Information);
    if (FileDownload) {
        FileDownload->AbortDownload();
    }
    downloading_ = false;
    txtStatus_->setText(q(text::kAborted));
    setIdle(true);
    Timer1_->stop();
}

void UpdateWindow::Progress(std::int32_t BytesLoaded, std::int32_t FileSize)
{
    bytesLoaded_ = BytesLoaded;
    fileSize_ = FileSize;
    txtStatus_->setText(QString::fromStdString(progressStatus(BytesLoaded, FileSize)));
    DrawProgress(picProgress_, BytesLoaded, 0, FileSize, true);
}

void UpdateWindow::Finished()
{
    const std::int32_t status = FileDownload ? FileDownload->StatusCode() : 0;
    const bool complete = downloadComplete(status >= 200 && status < 300, bytesLoaded_, fileSize_);
    dropDownload(false);   // the component keeps itself alive until this event returns
    txtStatus_->setText(q(text::kFinished));
    setIdle(true);
    if (!complete) {
        box(text::kTransferFailed, text::kTransferFailedTitle, MsgIcon::Information);
        return;
    }
    box(text::kFinishedBox, text::kFinishedBoxTitle, MsgIcon::Information);
    box(text::kDeleteOldVersion, text::kDeleteOldVersionTitle, MsgIcon::None);
}

void UpdateWindow::downloadFailed()
{
    dropDownload(false);   // the component has already closed its connection
    txtStatus_->setText(q(text::kAborted));
    setIdle(true);
    Timer1_->stop();
    box(text::kTransferFailed, text::kTransferFailedTitle, MsgIcon::Information);
}

void UpdateWindow::DrawProgress(ProgressPicture* picture, long value, long minimum, long maximum, bool showPercent)
{
    picture->drawProgress(value, minimum, maximum, showPercent);
}

void UpdateWindow::setIdle(bool idle)
{
    cmdDownload_->setEnabled(idle);
    cmdLocalFile_->setEnabled(idle);
    cmdCheckForUpdate_->setEnabled(idle);
    cmdUnload_->setEnabled(idle);
    txtLokalFile_->setReadOnly(!idle);
    cmdAbort_->setEnabled(!idle);
}

void UpdateWindow::dropDownload(bool abort)
{
    downloading_ = false;
    if (!FileDownload) {
        return;
    }
    FileDownload->Advise(nullptr);
    if (abort) {
        FileDownload->AbortDownload();
    }
    FileDownload.reset();
}

void registerUpdateWindow(shell::Navigator& navigator)
{
    navigator.add(QStringLiteral("Update"), [] { return new UpdateWindow; });
}

} // namespace zw::online

#pragma once
// The window Update: asks the product web server for its newest version and its info
// message, and downloads the new program archive through the download component.

#include "fetchling/fetchling.h"
#include "http_text_fetch.h"
#include "shell/navigator.h"
#include "shell/tool_window.h"

#include <QPointer>

#include <functional>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zw::online {

class FrmSplash;
class ProgressPicture;

class UpdateWindow : public shell::ToolWindow, private fetchling::__clsDownload {
    Q_OBJECT
public:
    using DownloadRef = com::Ref<fetchling::_clsDownload>;
    // Creates one download object; null (with the reason in *result) when it cannot be made.
    using DownloadFactory = std::function<DownloadRef(com::HResult* result)>;

    static constexpr int kTimeoutMs = 30000;

    explicit UpdateWindow(QWidget* parent = nullptr);
    ~UpdateWindow() override;

    // The component through the component loader, by its class identifier.
    static DownloadRef createDownload(com::HResult* result);

    // For tests: another source of download objects, the look-ups' time-out.
    void setDownloadFactory(DownloadFactory factory) { factory_ = std::move(factory); }
    void setLookupTimeout(int ms) { inet1_.setTimeout(ms); }
    bool downloading() const { return static_cast<bool>(FileDownload) && downloading_; }

    bool windowKeyPress(QKeyEvent* event) override;

private:
    void cmdCheckForUpdate_Click();
    void cmdServerMessage_Click();
    void cmdLocalFile_Click();
    void cmdDownload_Click();
    void cmdAbort_Click();
    void cmdUnload_Click();
    void Timer1_Timer();

    // Events of the download component.
    void Start() override {}
    void Finished() override;
    void Progress(std::int32_t BytesLoaded, std::int32_t FileSize) override;

    void DrawProgress(ProgressPicture* picture, long value, long minimum, long maximum, bool showPercent);

    // One text look-up: fetched whole, through its file in the Windows folder, into `target`.
    // FolderRefused (nothing fetched, nothing written, the reason in folderRefusal_) when the
    // Windows folder is not the user's own private folder.
    enum class LookUp { Done, Failed, FolderRefused };
    LookUp lookUp(std::string_view path, std::string_view fileName, QString* target);
    // Tells the user why a look-up was refused; true when it did.
    bool reportFolderRefusal(LookUp result);
    void showSplash();
    void unloadSplash();
    void setIdle(bool idle);
    void dropDownload(bool abort);
    // The component ended the running download by itself: report it and return to idle.
    void downloadFailed();

    QPushButton* cmdCheckForUpdate_ = nullptr;
    QPushButton* cmdServerMessage_ = nullptr;
    QLineEdit* txtLokalFile_ = nullptr;
    QPushButton* cmdLocalFile_ = nullptr;
    QPushButton* cmdDownload_ = nullptr;
    QPushButton* cmdAbort_ = nullptr;
    ProgressPicture* picProgress_ = nullptr;
    QLineEdit* txtStatus_ = nullptr;
    QPushButton* cmdUnload_ = nullptr;
    QTimer* Timer1_ = nullptr;
    QLineEdit* txtaktuelleVersion_ = nullptr;
    QLineEdit* txtNeusteVersion_ = nullptr;
    QPlainTextEdit* txtServerMessage_ = nullptr;
    QLineEdit* txtServerMessageTyp_ = nullptr;

    HttpTextFetch inet1_;
    std::unique_ptr<FrmSplash> splash_;
    DownloadFactory factory_;
    DownloadRef FileDownload;
    bool downloading_ = false;
    QString folderRefusal_;
    long bytesLoaded_ = 0;
    long fileSize_ = 0;
};

// Makes the update window known to the navigator (Form1's "Update" opens it).
void registerUpdateWindow(shell::Navigator& navigator);

} // namespace zw::online

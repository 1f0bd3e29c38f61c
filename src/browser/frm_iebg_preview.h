// frmIEBGPreview: the background picture as a borderless strip across the top left of the
// screen; a click closes it. Only one is open at a time.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace zw::browser {

class FrmIEBGPreview final : public QWidget {
    Q_OBJECT
public:
    // Shows `backgroundFile` (empty, missing or unreadable: the built-in strip).
    explicit FrmIEBGPreview(const QString& backgroundFile);

    // Shows the preview; an open one is only raised and keeps the picture it has.
    static FrmIEBGPreview* showPreview(const QString& backgroundFile);
    // The open preview, or null.
    static FrmIEBGPreview* openPreview();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* image1_ = nullptr;
};

}  // namespace zw::browser

// Message boxes and file dialogs of the program, as Qt shows them.
#include "qt_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace zw::platform {
namespace {

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MsgAnswer answerOf(int button, MsgButtons buttons) {
    switch (button) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Abort: return MsgAnswer::Abort;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    case QMessageBox::Ignore: return MsgAnswer::Ignore;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: break;
    }
    // Closed without a button: the answer Windows gives for a box without Cancel.
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

}  // namespace

MsgAnswer QtDialogs::messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) {
    QMessageBox box(qtIcon(icon), title.isEmpty() ? kProgramTitle : title, text, qtButtons(buttons),
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return answerOf(box.exec(), buttons);
}

QString qtFilterFromWindows(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.trimmed());
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtDialogs::openFileName(const FileDialogRequest& request) {
    const QString start = request.fileName.isEmpty() ? request.folder : request.folder + QLatin1Char('/') + request.fileName;
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, start,
                                        qtFilterFromWindows(request.filter));
}

QString QtDialogs::saveFileName(const FileDialogRequest& request) {
    const QString start = request.fileName.isEmpty() ? request.folder : request.folder + QLatin1Char('/') + request.fileName;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, start,
                                        qtFilterFromWindows(request.filter));
}

}  // namespace zw::platform

#include "tips/text_windows.h"

#include "platform/services.h"
#include "shell/qt_text.h"
#include "tips/text_tweaks.h"
#include "tweak/button_write.h"
#include "tweak/toggle_writes.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zw::tips {

namespace {

// Light yellow while the pointer is over the box, white once it is over the background.
const QColor kHoverBackground(0xFF, 0xFF, 0x80);
const QColor kRestBackground(0xFF, 0xFF, 0xFF);

void setBoxBackground(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

}  // namespace

TricksBootnachricht::TricksBootnachricht()
    : TipWindow("tricks_bootnachricht", 8400, 6915, QStringLiteral("Bootnachricht"))
{
    addFrameTitle(QStringLiteral("Persönliche Nachricht beim Booten"), QRect(1200, 120, 6000, 375));
    addProse(QStringLiteral("Label1"),
             QStringLiteral("Wie wäre es mit einer persönlichen Nachricht kurz vor dem Windows Start?"),
             QRect(600, 840, 7200, 480));
    addProse(QStringLiteral("Label2"), QStringLiteral("Kein Problem! Geben Sie einfach folgende Daten an:"),
             QRect(600, 1440, 7200, 255));

    struct Notice {
        const char* heading;
        const char* box;
        const char* create;
        const char* restore;
        const KeyTextTarget* target;
        int top;
    };
    const Notice notices[] = {{"Überschrift:", "Text1", "Command1", "Command2", &kLegalNoticeCaption, 2160},
                              {"Text:", "Text2", "Command3", "Command4", &kLegalNoticeText, 3600}};
    int labelNo = 3;
    for (const Notice& n : notices) {
        addProse(QStringLiteral("Label%1").arg(labelNo++), QString::fromUtf8(n.heading), QRect(600, n.top - 300, 3000, 255));
        auto* box = new QPlainTextEdit(this);
        box->setObjectName(QString::fromUtf8(n.box));
        box->setGeometry(twipsRect(600, n.top, 4695, 885));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        const KeyTextTarget* target = n.target;
        auto write = [this, target](const QString& text) {
            writeAndConfirm(*this, [&] { SetKeyKey(*target, withWindowsLineBreaks(text.toStdString())); });
        };
        connect(addButtonAt(QString::fromUtf8(n.create), QStringLiteral("Create it !"), QRect(5520, n.top, 2055, 375)),
                &QPushButton::clicked, this, [box, write] { write(box->toPlainText()); });
        connect(addButtonAt(QString::fromUtf8(n.restore), QStringLiteral("Wiederherstellen"),
                            QRect(5520, n.top + 480, 2055, 375)),
                &QPushButton::clicked, this, [box, write] {
                    box->clear();
                    write(QString());
                });
    }
    addCloseAndOnTop(QStringLiteral("Command5"), QRect(2880, 5640, 2655, 495), QPoint(6720, 5760));
}

TricksInternetExplorer::TricksInternetExplorer()
    : TipWindow("tricks_InternetExplorer", 8880, 6735, QStringLiteral("Überschrift des IE 6.0"))
{
    addFrameTitle(QStringLiteral("Überschrift des Internet Explorers ändern"), QRect(960, 120, 6960, 375));
    addProse(QStringLiteral("Label1"),
             QStringLiteral("Die Titelleiste des Internet Explorers endet immer mit \" - Microsoft Internet "
                            "Explorer\"."),
             QRect(600, 840, 7680, 480));
    addProse(QStringLiteral("Label2"),
             QStringLiteral("Diesen Zusatz können Sie durch einen eigenen Text ersetzen, zum Beispiel durch den Namen "
                            "Ihrer Firma."),
             QRect(600, 1440, 7680, 480));
    addGroup(QStringLiteral("Frame1"), QStringLiteral(" Überschrift des Internet Explorers:"), QRect(600, 2400, 7680, 2280));
    auto* text1 = new QLineEdit(QStringLiteral("~* Pelkor Security Browser *~"), this);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setGeometry(twipsRect(1080, 2880, 6615, 285));
    auto write = [this](const std::string& text) {
        writeAndConfirm(*this, [&] { SetKeyKey(kBrowserWindowTitle, text); });
    };
    connect(addButtonAt(QStringLiteral("Command1"), QStringLiteral("Übernehmen"), QRect(1080, 3600, 2055, 375)),
            &QPushButton::clicked, this, [text1, write] { write(text1->text().toStdString()); });
    // The box keeps whatever it shows.
    connect(addButtonAt(QStringLiteral("Command2"), QStringLiteral("Wiederherstellen"), QRect(5640, 3600, 2055, 375)),
            &QPushButton::clicked, this, [write] { write(std::string(kStandardBrowserTitle)); });
    addCloseAndOnTop(QStringLiteral("Command3"), QRect(3120, 5520, 2655, 495), QPoint(7200, 5640));
}

TricksTimeout::TricksTimeout() : TipWindow("tricks_timeout", 7575, 5070, QStringLiteral("Timeout"))
{
    addFrameTitle(QStringLiteral("Timeout von Programmen ändern"), QRect(960, 120, 5655, 375));
    addProse(QStringLiteral("Label1"),
             QStringLiteral("Arbeitet ein Programm etwas länger, markiert Windows es schnell als \"(Keine Rückmeldung)\", "
                            "obwohl es gar nicht abgestürzt ist. Diese Wartezeit heißt Timeout und steht in der "
                            "Registry."),
             QRect(600, 840, 6360, 1080));
    addProse(QStringLiteral("Label2"), QStringLiteral("Geben Sie hier den gewünschten Wert in Millisekunden ein:"),
             QRect(600, 2160, 6360, 255));
    const QString tip = QStringLiteral("5000 Millisekunden (5 Sekunden) ist der Standard Wert!");
    text1_ = new QLineEdit(QStringLiteral("5000"), this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(2400, 2640, 855, 405));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(12);
    font.setBold(true);
    text1_->setFont(font);
    text1_->setToolTip(tip);
    text1_->setMouseTracking(true);
    text1_->installEventFilter(this);
    if (QLabel* image1 = background()) {
        image1->setMouseTracking(true);
        image1->installEventFilter(this);
    }
    auto* change = addButtonAt(QStringLiteral("Command1"), QStringLiteral("Ändern"), QRect(3480, 2640, 1575, 405));
    change->setToolTip(tip);
    connect(change, &QPushButton::clicked, this,
            [this] { writeAndConfirm(*this, [this] { storeHungAppTimeout(text1_->text().toStdString()); }); });
    addCloseAndOnTop(QStringLiteral("Command2"), QRect(2460, 4080, 2655, 495), QPoint(6000, 4200));
}

void TricksTimeout::load()
{
    // Whatever is stored, a missing value included (the box is then empty).
    runStep([this] { text1_->setText(QString::fromStdString(loadHungAppTimeout())); });
}

bool TricksTimeout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == text1_)
            setBoxBackground(text1_, kHoverBackground);
        else if (watched == background())
            setBoxBackground(text1_, kRestBackground);
    }
    return TipWindow::eventFilter(watched, event);
}

TricksNetsend::TricksNetsend()
    : TipWindow("tricks_netsend", 8520, 7320, QStringLiteral("Nachrichtendienst deaktivieren"))
{
    addFrameTitle(QStringLiteral("Nachrichtendienst deaktivieren"), QRect(1440, 120, 5640, 375));
    addProse(QStringLiteral("Label1"),
             QStringLiteral("Über den Nachrichtendienst von Windows kamen unerwünschte Meldungen, die zum Download "
                            "angeblicher Sicherheitsupdates aufforderten oder auf Dialer-Seiten lockten."),
             QRect(600, 840, 7320, 840));
    addProse(QStringLiteral("Label2"),
             QStringLiteral("Es gibt Programme, die ganze Adressbereiche eines Providers mit \"Net Send\" Nachrichten "
                            "überschwemmen."),
             QRect(600, 1800, 7320, 600));
    addProse(QStringLiteral("Label3"),
             QStringLiteral("Dagegen hilft entweder eine Firewall, die diese Nachrichten blockiert, oder Sie "
                            "deaktivieren den Dienst einfach hier."),
             QRect(600, 2520, 7320, 600));
    addProse(QStringLiteral("Label4"), QStringLiteral("Startmethode einstellen:"), QRect(600, 3480, 3000, 255));
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setGeometry(twipsRect(600, 3840, 1815, 315));
    combo1_->setEditText(QStringLiteral("Automatisch"));
    connect(addButtonAt(QStringLiteral("Command2"), QStringLiteral("Ändern !"), QRect(2640, 3810, 1575, 375)),
            &QPushButton::clicked, this, &TricksNetsend::change);
    addCloseAndOnTop(QStringLiteral("Command1"), QRect(2940, 6480, 2655, 495), QPoint(6960, 6600));
}

void TricksNetsend::load()
{
    // The list is filled at load; the box keeps showing its preset text, not the stored type.
    const QString shown = combo1_->currentText();
    combo1_->addItems({QStringLiteral("Automatisch"), QStringLiteral("Manuell"), QStringLiteral("Deaktiviert")});
    combo1_->setEditText(shown);
}

void TricksNetsend::change()
{
    // "On Top" stays as it is in this window.
    const std::optional<std::int32_t> type = messengerStartType(combo1_->currentText().toStdString());
    if (!type) {
        platform::services().dialogs->messageBox(shell::toQString(kStartTypeRefusal), shell::toQString(kStartTypeRefusalTitle),
                                                 platform::MsgIcon::Critical);
        return;
    }
    confirmWrites([&] { storeMessengerStartType(*type); });
}

}  // namespace zw::tips

#include "tuning/reg_value_entry.h"

#include "platform/services.h"
#include "tuning/choice_buttons.h"
#include "tweak/button_write.h"
#include "tuning/value_entry.h"
#include "tweak/toggle_writes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zw::tuning {

ValueEntryDesign RegValueEntry::maxConnections()
{
    return {
        {QStringLiteral("reg_MaxConnections"), 6615, 5520, QStringLiteral("Internet Explorer: Maximale Serververbindungen"),
         QStringLiteral("Regedit")},
        QStringLiteral("IE: Schneller surfen und mehr Downloads"),
        QRect(720, 120, 5055, 375),
        2880,
        QStringLiteral("10"),
        {{QStringLiteral("Label1"),
          QStringLiteral("Mit folgendem Tweak können Sie die maximalen Verbindungen zu einem Internet (HTTP-) Server "
                         "erhöhen."),
          QRect(600, 840, 5400, 600)},
         {QStringLiteral("Label2"),
          QStringLiteral("Vorteile: Sie können mehr als 4 Downloads starten, und Webseiten werden teilweise schneller "
                         "geladen!"),
          QRect(600, 1560, 5400, 600)},
         {QStringLiteral("Label5"), QStringLiteral("Anzahl der maximalen Verbindungen ändern:"),
          QRect(600, 2460, 5400, 255)},
         {QStringLiteral("Label3"), QStringLiteral("Der Standard ist:                    4"), QRect(600, 3480, 4800, 255)},
         {QStringLiteral("Label4"), QStringLiteral("Vorschlag für neuen Wert:     10"), QRect(600, 3840, 4800, 255)}},
        [](const std::string& designText) { return loadMaxConnections(designText); },
        [](const std::string& typed) {
            return parseConnectionCount(typed) ? QString() : QString::fromUtf8(kConnectionCountRefusal);
        },
        [](const std::string& typed) { storeMaxConnections(*parseConnectionCount(typed)); },
    };
}

ValueEntryDesign RegValueEntry::menuSpeed()
{
    return {
        {QStringLiteral("reg_Menügeschwindigkeit"), 6615, 5520, QStringLiteral("Menü Geschwindigkeiten"),
         QStringLiteral("Regedit")},
        QStringLiteral("Geschwindigkeiten von Aufklappmenüs erhöhen"),
        QRect(360, 120, 5895, 375),
        2640,
        QStringLiteral("400"),
        {{QStringLiteral("Label1"),
          QStringLiteral("Das Aufklappen von Menüs, wie z.B. dem Startmenü oder dem Menü beim Rechtsklick auf eine "
                         "Datei kann beschleunigt werden."),
          QRect(600, 840, 5400, 840)},
         {QStringLiteral("Label2"), QStringLiteral("Geben Sie hier den gewünschten Wert in Millisekunden ein:"),
          QRect(600, 2220, 5400, 255)},
         {QStringLiteral("Label3"), QStringLiteral("Der Standard ist:                400"), QRect(600, 3240, 4800, 255)},
         {QStringLiteral("Label4"), QStringLiteral("Vorschlag für neuen Wert:     1"), QRect(600, 3600, 4800, 255)}},
        [](const std::string&) { return loadMenuShowDelay(); },
        nullptr,  // any text is stored, the empty text included
        [](const std::string& typed) { storeMenuShowDelay(typed); },
    };
}

RegValueEntry::RegValueEntry(ValueEntryDesign design) : ToolWindow(design.window), entry_(std::move(design))
{
    setBackground(shell::kToolBackground);
    const QRect t = entry_.titlePlace;
    addCaption(entry_.title, twipsRect(t.x(), t.y(), t.width(), t.height()));
    shell::centreCaption(*this);
    for (const ValueEntryDesign::Label& l : entry_.labels) {
        QLabel* label = addLabel(l.name, l.text, twipsRect(l.place.x(), l.place.y(), l.place.width(), l.place.height()));
        label->setTextFormat(Qt::PlainText);  // keeps the runs of blanks that line the numbers up
        label->setWordWrap(l.place.height() > 300);
    }

    text1_ = new QLineEdit(entry_.designText, this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(3360, entry_.entryTop, 615, 310));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    text1_->setFont(font);
    auto* change = addButton(QStringLiteral("Command1"), QStringLiteral("Ändern"), twipsRect(4200, entry_.entryTop, 1575, 310));
    connect(change, &QPushButton::clicked, this, &RegValueEntry::change);

    shell::addDecorativePicture(this, twipsRect(600, 4320, 600, 600));
    auto* close = addButton(QStringLiteral("Command2"), QStringLiteral("Schließen"), twipsRect(2280, 5040, 2055, 375));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(4560, 5100, 900, 240));
}

void RegValueEntry::load()
{
    // A value that cannot be read leaves the box as the load step found it.
    runStep([this] { text1_->setText(QString::fromStdString(entry_.loadText(entry_.designText.toStdString()))); });
}

void RegValueEntry::change()
{
    const std::string typed = text1_->text().toStdString();
    if (const QString why = entry_.refusal ? entry_.refusal(typed) : QString(); !why.isEmpty()) {
        leaveTopmost(*this);
        platform::services().dialogs->messageBox(why, platform::kProgramTitle, platform::MsgIcon::Exclamation);
        return;  // nothing is written
    }
    writeAndConfirm(*this, [&] { entry_.store(typed); });
}

}  // namespace zw::tuning

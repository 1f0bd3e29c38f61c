#include "tuning/reg_system_programs.h"

#include "platform/services.h"
#include "shell/link_label.h"
#include "tuning/system_program_windows.h"
#include "tuning/choice_buttons.h"
#include "tweak/button_write.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace zw::tuning {

namespace {

const shell::WindowDesign kZipDesign{QStringLiteral("reg_zipfunktion"), 6615, 4935, QStringLiteral("ZIP Funktion"),
                                     QStringLiteral("Regedit")};
const shell::WindowDesign kPageFileDesign{QStringLiteral("reg_auslagerungsdatei2"), 10065, 5790,
                                          QStringLiteral("Größe der Auslagerungsdatei"), QStringLiteral("Tricks")};

void start(const char* commandLine)
{
    platform::services().launcher->startProgram(QString::fromUtf8(commandLine), kSystemProgramWindowStyle);
}

QString colourName(std::uint32_t rgb)
{
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
}

}  // namespace

RegZipfunktion::RegZipfunktion() : ToolWindow(kZipDesign)
{
    setBackground(shell::kToolBackground);
    addCaption(QStringLiteral("XP's ZIP Funktion ausschalten"), twipsRect(960, 120, 4800, 375));
    shell::centreCaption(*this);
    shell::addProse(this,
             {{QStringLiteral("Label1"),
               QStringLiteral("Windows XP zeigt ZIP-Archive als eigene Ordner an. Wer lieber mit einem anderen "
                              "Packprogramm arbeitet, hat von der eingebauten ZIP Funktion und ihren Pseudo-Ordnern "
                              "keinen Nutzen - sie kostet nur Zeit beim Öffnen von Ordnern mit vielen Archiven.")}},
             480, 840, 5640);
    addLabel(QStringLiteral("Label2"), QStringLiteral("Kein Problem:"), twipsRect(480, 2160, 2400, 255));
    const auto buttons = shell::addButtonGrid(this,
                                       {{QStringLiteral("Command1"), QStringLiteral("Ausschalten")},
                                        {QStringLiteral("Command2"), QStringLiteral("Wiederherstellen")}},
                                       QRect(2400, 2520, 1935, 375), QPoint(0, 480), 1);
    connect(buttons[0], &QPushButton::clicked, this, [this] {
        leaveTopmost(*this);
        start(kZipFoldersOff);
    });
    connect(buttons[1], &QPushButton::clicked, this, [this] {
        leaveTopmost(*this);
        start(kZipFoldersOn);
    });
    shell::addDecorativePicture(this, twipsRect(600, 2520, 840, 840));
    auto* close = addButton(QStringLiteral("Command3"), QStringLiteral("Schließen"), twipsRect(2280, 4200, 2055, 375));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(4800, 4260, 900, 240));
}

RegAuslagerungsdatei2::RegAuslagerungsdatei2() : ToolWindow(kPageFileDesign)
{
    setBackground(shell::kToolBackground);
    addCaption(QStringLiteral("Die opimale Größe der Auslagerungsdatei"), twipsRect(1800, 120, 6600, 375), 13.5);
    shell::centreCaption(*this);
    shell::addProse(this,
             {{QStringLiteral("Label1"),
               QStringLiteral("Wenn der echte Arbeitsspeicher voll ist, lagert Windows Teile davon in die "
                              "Auslagerungsdatei (den virtuellen Arbeitsspeicher) auf der Festplatte aus.")}},
             480, 720, 9100);
    // Label2 ends with "Öffnen Sie die", which the link continues on the same line.
    const QString openThe = QStringLiteral("Öffnen Sie die");
    QLabel* label2 = addLabel(QStringLiteral("Label2"),
                              QStringLiteral("Die Größe des virtuellen Arbeitsspeichers sollte an die Nutzung Ihres "
                                             "Systems angepasst werden.\n") + openThe,
                              twipsRect(480, 1380, 0, 0));
    auto* link = new shell::LinkLabel(QStringLiteral("Label3"), QStringLiteral("\"Systemeigenschaften\""), QString(), this);
    link->setStyleSheet(QStringLiteral("QLabel { color: #0000FF; background: transparent; }"));
    link->adjustSize();
    const QFontMetrics metrics(label2->font());
    link->move(label2->x() + metrics.horizontalAdvance(openThe + QLatin1Char(' ')),
               label2->y() + label2->height() - link->height());
    // The link leaves "On Top" as it is.
    connect(link, &shell::LinkLabel::clicked, this, [] { start(kSystemPropertiesCommand); });
    shell::addProse(this,
             {{QStringLiteral("Label4"),
               QStringLiteral("und klicken Sie dort auf Erweitert, Systemleistung: Einstellungen, dann wieder auf "
                              "Erweitert und bei Virtueller Arbeitsspeicher auf Ändern. Wählen Sie oben das "
                              "Windows-Laufwerk (meistens C:) und unten \"Benutzerdefinierte Größe\".")}},
             480, 2040, 9100);
    addLabel(QStringLiteral("Label5"), QStringLiteral("Die optimale Größe kann etwa wie folgt festgelegt werden:"),
             twipsRect(480, 2880, 9100, 255));

    const QString heading = QStringLiteral("color: %1; background: transparent;").arg(colourName(kRecommendationHeadingColour));
    const QString value = QStringLiteral("background: %1;").arg(colourName(kRecommendationValueBackground));
    int top = 3240;
    for (const PageFileRecommendation& row : kPageFileRecommendations) {
        addLabel(QString::fromUtf8(row.headingName), QString::fromUtf8(row.heading), twipsRect(480, top, 3000, 255))
            ->setStyleSheet(heading);
        for (const auto& [name, text, left] : {std::tuple{row.initialName, row.initial, 3480},
                                                std::tuple{row.maximumName, row.maximum, 6600}}) {
            QLabel* label = addLabel(QString::fromUtf8(name), QString::fromUtf8(text), twipsRect(left, top, 3060, 255));
            label->setTextFormat(Qt::PlainText);  // keeps the leading blank and the runs of blanks
            label->setStyleSheet(value);
        }
        top += 360;
    }

    shell::addProse(this,
             {{QStringLiteral("Label12"), QStringLiteral("Klicken Sie anschließend auf \"Festlegen\" und bestätigen "
                                                         "Sie Ihre Eingaben mit OK.")}},
             480, 4440, 9100);
    auto* done = addButton(QStringLiteral("Command1"), QStringLiteral("Fertig"), twipsRect(3705, 5040, 2655, 495));
    connect(done, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(8400, 5160, 900, 240));
}

}  // namespace zw::tuning

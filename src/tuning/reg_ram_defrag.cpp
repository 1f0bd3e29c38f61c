#include "tuning/reg_ram_defrag.h"

#include "platform/program_data_path.h"
#include "platform/services.h"
#include "shell/program_folder.h"
#include "tuning/choice_buttons.h"
#include "tuning/uptime_text.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace zw::tuning {

namespace {

const shell::WindowDesign kDesign{QStringLiteral("reg_RAMdefragmentieren"), 6015, 8595,
                                  QStringLiteral("RAM defragmentieren"), QStringLiteral("Regedit")};

constexpr int kUptimeIntervalMs = 50;

// The script is resolved against the program folder, so it is found however the program
// was started.
void openScript(std::string_view relative)
{
    platform::services().launcher->shellOpen(shell::programFilePath(relative));
}

}  // namespace

RegRamDefragmentieren::RegRamDefragmentieren() : ToolWindow(kDesign)
{
    setBackground(shell::kToolBackground);
    addCaption(QStringLiteral("Arbeitsspeicher defragmentieren"), twipsRect(480, 120, 5160, 375));
    shell::centreCaption(*this);
    shell::addProse(this,
             {{QStringLiteral("Label1"),
               QStringLiteral("Ein Rechner, der lange läuft und auf dem viele Programme gestartet und wieder beendet "
                              "wurden, hat einen zerstückelten Arbeitsspeicher voller Programmreste.")},
              {QStringLiteral("Label2"), QStringLiteral("Wie die Festplatte sollte deshalb auch der Arbeitsspeicher nach "
                                                        "langem Betrieb aufgeräumt werden.")},
              {QStringLiteral("Label3"), QStringLiteral("Das geht hier mit einem Klick - ganz ohne Neustart.")}},
             480, 720, 5040);
    QLabel* since = addLabel(QStringLiteral("Label4"), QStringLiteral("Ihr Windows läuft seit:"), twipsRect(480, 3360, 0, 0));
    // The uptime follows the label at once, in a smaller font where the system's fonts are
    // wider than the design's.
    const QRect design = twipsRect(2400, 3360, 2895, 255);
    const int left = std::max(design.left(), since->geometry().right() + 6);
    uptime_ = addLabel(QStringLiteral("Label8"), QString(), QRect(left, design.top(), width() - left - 24, design.height()));
    shell::shrinkToFit(uptime_, QString::fromStdString(uptimeText(4294967295u)), uptime_->width());
    uptime_->setTextFormat(Qt::PlainText);
    uptime_->setStyleSheet(QStringLiteral("color: #0000FF; background: transparent;"));
    addLabel(QStringLiteral("Label6"), QStringLiteral("Wird es da nicht mal langsam wieder Zeit...?!? :))"),
             twipsRect(480, 3840, 5040, 255));

    shell::addLineFrame(this, QStringLiteral("Label5"), QStringLiteral(" Ihr Arbeitsspeicher in Megabyte:"),
                 QRect(480, 4440, 5040, 1200));
    const auto scripts = shell::addButtonGrid(this,
                                       {{QStringLiteral("Command1"), QStringLiteral("Weniger als 128 MB")},
                                        {QStringLiteral("Command2"), QStringLiteral("Mehr als 128 MB")}},
                                       QRect(720, 4800, 1935, 495), QPoint(2640, 0), 2);
    connect(scripts[0], &QPushButton::clicked, this, [] { openScript(platform::kMemoryScriptBelow128); });
    connect(scripts[1], &QPushButton::clicked, this, [] { openScript(platform::kMemoryScriptAbove128); });

    shell::addProse(this,
             {{QStringLiteral("Label7"),
               QStringLiteral("( Dieser Tweak benötigt den Windows Scripting Host, aktivieren Sie ihn gegebenfalls im "
                              "Tuning Bereich! )")}},
             480, 5880, 5040);
    shell::addDecorativePicture(this, twipsRect(2640, 6600, 720, 720));
    auto* close = addButton(QStringLiteral("Command3"), QStringLiteral("Schließen"), twipsRect(1980, 7680, 2055, 375));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(4440, 7740, 900, 240));
}

void RegRamDefragmentieren::load()
{
    // The text stays empty until the first tick.
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(kUptimeIntervalMs);
    connect(timer, &QTimer::timeout, this,
            [this] { uptime_->setText(QString::fromStdString(uptimeText(platform::services().clock->tickCount()))); });
    timer->start();
}

}  // namespace zw::tuning

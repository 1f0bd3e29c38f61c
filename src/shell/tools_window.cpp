#include "tools_window.h"

#include "component_repair.h"
#include "fehlerbehandlung.h"
#include "hub_child_design.h"
#include "launcher_entries.h"
#include "navigator.h"
#include "program_folder.h"
#include "public_variables.h"
#include "qt_text.h"
#include "twips.h"
#include "win_dir.h"

#include "platform/services.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace zw::shell {
namespace {

constexpr int kIconPixels = 32;
constexpr int kLabelGapPixels = 6;
constexpr int kTabWidthTwips = 8655;

}  // namespace

QIcon launcherIcon(const LauncherEntry& entry)
{
    for (const QString& name : toQString(entry.themeIcons).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return QIcon(dataPath(toQString(kLauncherPictureFolder) + QLatin1Char('/') + toQString(entry.picture) + QStringLiteral(".png")));
}

const WindowDesign& Tools::designOf()
{
    static const WindowDesign design =
        hubChildDesign(QStringLiteral("tools"), 10320, 8835, QStringLiteral("System Utilities"));
    return design;
}

Tools::Tools() : ToolWindow(designOf())
{
    // The labels stand on the tab pages, which keep the desktop's light colour.
    setStyleSheet(hubChildStyle(objectName()) + QStringLiteral(" QTabWidget QLabel { color: black; }"));
    setBackground(QStringLiteral("Pics/Backgrounds/tools.png"));
    addCaption(QStringLiteral("System Utilities"), twipsRect(840, 360, 6000, 495));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(twipsRect(840, 1320, kTabWidthTwips, 5775));
    tabs_->setDocumentMode(false);
    makeDragHandle(tabs_);
    // Places are measured from the tab control's top; the pages begin below the tab row.
    const int tabRowTwips = pixelsToTwips(tabs_->tabBar()->sizeHint().height());
    const auto tabCaptions = launcherTabs();
    for (std::size_t i = 0; i < tabCaptions.size(); ++i) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("Tab%1").arg(i + 1));
        tabs_->addTab(page, toQString(tabCaptions[i]));
    }
    for (const LauncherEntry& entry : launcherEntries())
        addEntry(tabs_->widget(entry.tab), entry, tabRowTwips);

    QPushButton* close = addButton(QStringLiteral("cmdSchließen"), QStringLiteral("Schließen"), twipsRect(3960, 8160, 2295, 495));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(840, 7320, 1215, 255));
    addOwl(9000, 7920);
}

void Tools::addEntry(QWidget* page, const LauncherEntry& entry, int tabRowTwips)
{
    const TwipPoint at = launcherButtonPlace(entry);
    auto* button = new QPushButton(page);
    button->setObjectName(toQString(entry.button));
    button->setGeometry(twipsRect(at.x, at.y - tabRowTwips, kLauncherButtonTwips, kLauncherButtonTwips));
    button->setIcon(launcherIcon(entry));
    button->setIconSize(QSize(kIconPixels, kIconPixels));
    button->setToolTip(toQString(entry.label));
    connect(button, &QPushButton::clicked, this, [this, &entry] { start(entry); });

    const TwipPoint labelAt = launcherLabelPlace(entry);
    auto* label = new QLabel(toQString(entry.label), page);
    label->setObjectName(QStringLiteral("lbl") + toQString(entry.button));
    // Bold 12 pt where the label fits before the next column or the tab's edge, else smaller.
    const int room = twipsToPixels(launcherLabelRoomTwips(entry, kTabWidthTwips)) - kLabelGapPixels;
    QFont font = label->font();
    font.setBold(true);
    for (double points = 12.0; points >= 7.0; points -= 0.5) {
        font.setPointSizeF(points);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= room)
            break;
    }
    label->setFont(font);
    label->move(twipsToPixels(labelAt.x), twipsToPixels(labelAt.y - tabRowTwips));
    label->adjustSize();
}

void Tools::start(const LauncherEntry& entry)
{
    const platform::Services& s = platform::services();
    if (entry.kind == LaunchKind::Run)
        s.launcher->startProgram(toQString(entry.target), platform::kShowNormal);
    else
        s.launcher->shellOpen(toQString(entry.target));
}

void Tools::load()
{
    tabs_->setCurrentIndex(0);
    // The owl is the one load step that can fail here (its picture is missing): the load then
    // goes on with the repair of the component installation, without the download component.
    const auto* owl = findChild<QLabel*>(QStringLiteral("WB"));
    if (modPublicVariables::OwlFlag && owl && owl->isHidden()) {
        const RepairFolders folders{programFolder().toStdString(), WinDir::GetWindowsFolder().toStdString()};
        repairComponents(folders, &Fehlerbehandlung::RegisterComponent, false);
    }
}

void registerLauncherWindow(Navigator& navigator)
{
    navigator.add(QStringLiteral("tools"), [] { return new Tools; });
}

}  // namespace zw::shell

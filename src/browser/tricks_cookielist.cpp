#include "browser/tricks_cookielist.h"

#include "browser/browser_pictures.h"
#include "browser/mod_list_view_width.h"
#include "platform/services.h"
#include "tweak/button_write.h"
#include "tweak/toggle_writes.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace zw::browser {

namespace {

const shell::WindowDesign kDesign{QStringLiteral("tricks_CookieList"), 6435, 7470,
                                  QStringLiteral("IE: Liste der gesperrten Cookies"), QStringLiteral("Tricks")};

struct ActionButton {
    CookieAction action;
    const char* name;
    const char* caption;
    int left;
};

constexpr std::array<ActionButton, 3> kActions{{
    {CookieAction::Delete, "cmdDelete", "Löschen", 480},
    {CookieAction::Block, "cmdSperren", "Sperren", 2400},
    {CookieAction::Allow, "cmdZulassen", "Zulassen", 4320},
}};

// The window's own colour behind its picture.
void setBlackBackground(QWidget& window)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

// &H00BBGGRR& to a colour.
QColor fromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace

TricksCookieList::TricksCookieList() : ToolWindow(kDesign)
{
    setBackground(kBrowserBackground);
    setBlackBackground(*this);
    addCaption(QStringLiteral("IE: Liste der gesperrten Cookies"), twipsRect(480, 120, 5520, 375));
    addLabel(QStringLiteral("Label1"),
             QStringLiteral("Hier können Sie sich die Liste der gesperrten bzw. zugelassenen Cookies anschauen, "
                            "und Sie zudem bearbeiten."),
             twipsRect(480, 600, 5520, 660))
        ->setWordWrap(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setGeometry(twipsRect(480, 1320, 5475, 4800));
    list_->setPalette(QApplication::palette(list_));  // the list keeps its own colours
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(false);
    connect(list_, &QTreeWidget::itemPressed, this, [this] {
        for (QPushButton* button : actions_)
            button->setEnabled(true);
    });

    for (std::size_t i = 0; i < kActions.size(); ++i) {
        const ActionButton& a = kActions[i];
        actions_[i] = addButton(QString::fromUtf8(a.name), QString::fromUtf8(a.caption), twipsRect(a.left, 6240, 1635, 375));
        actions_[i]->setEnabled(false);
        connect(actions_[i], &QPushButton::clicked, this, [this, action = a.action] { act(action); });
    }
    auto* close = addButton(QStringLiteral("Command3"), QStringLiteral("Schließen"), twipsRect(2400, 6840, 1635, 375));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(4800, 6900, 1000, 240));
}

void TricksCookieList::load() { FillCookieList(); }

void TricksCookieList::FillCookieList()
{
    list_->clear();
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Website des Cookies"), QStringLiteral("Cookie Regel")});
    for (const CookieSite& site : readCookieRules()) {
        const CookieRuleLook& look = cookieRuleLook(site.rule);
        auto* row = new QTreeWidgetItem(list_, {QString::fromStdString(site.site), QString::fromUtf8(look.text.data(),
                                                                                                     qsizetype(look.text.size()))});
        if (look.marked) {
            QFont bold = row->font(0);
            bold.setBold(true);
            for (int column : {0, 1}) {
                row->setForeground(column, fromBgr(look.colour));
                row->setFont(column, bold);
            }
        }
        AutoSizeColumns(list_, true);
    }
    AutoSizeColumns(list_, true);
}

void TricksCookieList::act(CookieAction action)
{
    leaveTopmost(*this);
    const QTreeWidgetItem* selected = list_->currentItem();
    if (!selected || !selected->isSelected())
        return;
    const std::string site = selected->text(0).toStdString();
    const CookieQuestion question = cookieQuestion(action, site);
    const auto answer = platform::services().dialogs->messageBox(
        QString::fromStdString(question.text), QString::fromStdString(question.title), platform::MsgIcon::None,
        platform::MsgButtons::YesNo);
    if (answer != platform::MsgAnswer::Yes)
        return;
    writeAndConfirm(*this, [action, &site] { applyCookieAction(action, site); });
    runStep([this] { FillCookieList(); });
}

}  // namespace zw::browser

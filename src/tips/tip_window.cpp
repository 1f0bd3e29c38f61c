#include "tips/tip_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace zw::tips {

namespace {

QRect pixels(QRect twips)
{
    return shell::ToolWindow::twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

}  // namespace

TipWindow::TipWindow(const char* name, int widthTwips, int heightTwips, const QString& caption)
    : ToolWindow({QString::fromUtf8(name), widthTwips, heightTwips, caption, QStringLiteral("Tricks")})
{
    setBackground(shell::kToolBackground);
}

void TipWindow::addFrameTitle(const QString& title, QRect twips)
{
    addCaption(title, pixels(twips));
}

QLabel* TipWindow::addProse(const QString& name, const QString& text, QRect twips)
{
    QLabel* label = addLabel(name, text, pixels(twips));
    label->setWordWrap(true);
    return label;
}

QGroupBox* TipWindow::addGroup(const QString& name, const QString& title, QRect twips)
{
    auto* group = new QGroupBox(title, this);
    group->setObjectName(name);
    group->setGeometry(pixels(twips));
    group->lower();
    if (background())
        background()->lower();
    return group;
}

QPushButton* TipWindow::addCloseAndOnTop(const QString& closeName, QRect closeTwips, QPoint onTopTwips,
                                         const QString& closeCaption)
{
    QPushButton* close = addButtonAt(closeName, closeCaption, closeTwips);
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(onTopTwips.x(), onTopTwips.y(), 900, 240));
    return close;
}

QPushButton* TipWindow::addButtonAt(const QString& name, const QString& caption, QRect twips)
{
    return addButton(name, caption, pixels(twips));
}

}  // namespace zw::tips

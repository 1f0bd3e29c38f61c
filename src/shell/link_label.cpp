#include "link_label.h"

#include <QMouseEvent>

namespace zw::shell {

LinkLabel::LinkLabel(const QString& name, const QString& text, const QString& toolTip, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setToolTip(toolTip);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("QLabel { color: #4080ff; background: transparent; text-decoration: underline; }"));
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

}  // namespace zw::shell

#include "progress_picture.h"

#include <QFontMetricsF>
#include <QPainter>

namespace zw::online {

ProgressPicture::ProgressPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picProgress"));
    setAutoFillBackground(true);
}

void ProgressPicture::drawProgress(long value, long minimum, long maximum, bool showPercent)
{
    const QFontMetricsF metrics(font());
    const ProgressInput in{value, minimum, maximum, static_cast<double>(width()), static_cast<double>(height()), showPercent};
    drawn_ = layoutProgress(in, [&](const std::string& text) {
        const QString s = QString::fromStdString(text);
        return TextExtent{metrics.horizontalAdvance(s), metrics.height()};
    });
    update();
}

void ProgressPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (drawn_.drawBar && drawn_.barWidth > 0) {
        p.fillRect(QRectF(0, 0, static_cast<double>(drawn_.barWidth), height()), barColor());
    }
    if (drawn_.drawText) {
        const QFontMetricsF metrics(font());
        p.setPen(drawn_.textWhite ? Qt::white : Qt::black);
        p.drawText(QPointF(drawn_.textX, drawn_.textY + metrics.ascent()), QString::fromStdString(drawn_.text));
    }
}

} // namespace zw::online

#pragma once
// The picture box that shows the download's progress bar. It keeps what was drawn last and
// paints it again whenever the window needs it.

#include "progress_geometry.h"

#include <QWidget>

namespace zw::online {

class ProgressPicture : public QWidget {
    Q_OBJECT
public:
    explicit ProgressPicture(QWidget* parent = nullptr);

    // Clears the picture, then draws the bar and, if asked, the centred percentage.
    void drawProgress(long value, long minimum, long maximum, bool showPercent);
    const ProgressGeometry& geometryDrawn() const { return drawn_; }

    static QColor barColor() { return QColor(0x00, 0x00, 0xC0); }   // &HC00000

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressGeometry drawn_;
};

} // namespace zw::online

// A label that acts as a link: blue, hand pointer, clicked() on a left click released over it.
#pragma once

#include <QLabel>

namespace zw::shell {

class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& name, const QString& text, const QString& toolTip, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace zw::shell

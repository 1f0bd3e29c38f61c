#pragma once
// The small wait window shown while the update window asks the server: light yellow, one
// bold line, and the hourglass over the whole screen for as long as it is loaded.

#include <QWidget>

namespace zw::online {

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);
    ~FrmSplash() override;

    // Shows the window at once and paints it before the caller goes on.
    void showNow();

private:
    bool cursorSet_ = false;
};

} // namespace zw::online

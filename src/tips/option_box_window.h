// tricks_mediaplayer and tricks_DateiAnzeige: option boxes bound to registry values. A box's
// change — by the user or by the poll — writes its value in the window's own format; the
// poll sets the boxes in row order. No message box, "On Top" untouched.
#pragma once

#include "tips/option_boxes.h"
#include "tips/tip_window.h"

#include <vector>

class QCheckBox;

namespace zw::tips {

class OptionBoxWindow final : public TipWindow {
    Q_OBJECT
public:
    explicit OptionBoxWindow(const OptionWindowDesign& design);

protected:
    void load() override;

private:
    void poll();

    const OptionWindowDesign& design_;
    std::vector<QCheckBox*> boxes_;
};

}  // namespace zw::tips

// tricks_IELayout: the browser's toolbar background, logo and animation as bitmap files of the
// user's choice or from the templates; three timers keep the path boxes and the two previews in
// step with the settings in force.
#pragma once

#include "browser/toolbar_pictures.h"
#include "shell/tool_window.h"

#include <array>

class QLabel;
class QLineEdit;

namespace zw::browser {

class TricksIELayout final : public shell::ToolWindow {
    Q_OBJECT
public:
    TricksIELayout();

protected:
    void load() override;

private:
    struct Row {
        QLineEdit* path = nullptr;   // txtBg, txtSmall, txtAni
        QLabel* preview = nullptr;   // Picture1, Picture2; none for the background
    };

    void buildRow(ToolbarPicture picture, int top, const QString& title);
    void mirror(ToolbarPicture picture);
    void useTemplate(ToolbarPicture picture, std::string_view file);
    void browse(ToolbarPicture picture);
    void noPicture(ToolbarPicture picture);
    void showInfo();
    Row& row(ToolbarPicture picture) { return rows_[static_cast<std::size_t>(picture)]; }

    std::array<Row, 3> rows_{};
};

}  // namespace zw::browser

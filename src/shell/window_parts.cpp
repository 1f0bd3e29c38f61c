#include "shell/window_parts.h"

#include "shell/program_folder.h"
#include "shell/tool_window.h"
#include "shell/twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace zw::shell {

namespace {

QFrame* addLine(QWidget* window, QRect pixels)
{
    auto* line = new QFrame(window);
    line->setObjectName(QStringLiteral("Line"));
    line->setFrameShape(pixels.width() >= pixels.height() ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(pixels);
    return line;
}

}  // namespace

void centreCaption(ToolWindow& window)
{
    QLabel* caption = window.captionLabel();
    if (!caption)
        return;
    const int margin = ToolWindow::twipsRect(0, 0, 360, 0).width();
    const int width = window.width() - 2 * margin;
    QFont font = caption->font();
    font.setPointSizeF(13.5);
    caption->setFont(font);
    shrinkToFit(caption, caption->text(), width);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    caption->setGeometry(margin, caption->y(), width, caption->height());
}

void shrinkToFit(QLabel* label, const QString& sample, int width)
{
    QFont font = label->font();
    while (font.pointSizeF() > 7 && QFontMetrics(font).horizontalAdvance(sample) > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

int addProse(QWidget* window, const std::vector<NamedText>& labels, int left, int top, int width, int gap)
{
    const QRect place = ToolWindow::twipsRect(left, top, width, gap);
    int y = place.top();
    for (const NamedText& text : labels) {
        auto* label = new QLabel(text.text, window);
        label->setObjectName(text.name);
        label->setStyleSheet(QStringLiteral("background: transparent;"));
        label->setWordWrap(true);
        const int height = label->heightForWidth(place.width());
        label->setGeometry(place.left(), y, place.width(), height);
        y += height + place.height();
    }
    return pixelsToTwips(y - place.height());
}

std::vector<QPushButton*> addButtonGrid(QWidget* window, const std::vector<NamedText>& texts, QRect first, QPoint step,
                                        int perRow)
{
    std::vector<QPushButton*> buttons;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int column = static_cast<int>(i) % perRow;
        const int row = static_cast<int>(i) / perRow;
        auto* button = new QPushButton(texts[i].text, window);
        button->setObjectName(texts[i].name);
        QRect place = ToolWindow::twipsRect(first.left() + column * step.x(), first.top() + row * step.y(),
                                                   first.width(), first.height());
        place.setWidth(std::max(place.width(), button->sizeHint().width()));  // the caption always fits
        button->setGeometry(place);
        buttons.push_back(button);
    }
    return buttons;
}

QLabel* addLineFrame(QWidget* window, const QString& titleName, const QString& title, QRect frame)
{
    const QRect box = ToolWindow::twipsRect(frame.left(), frame.top(), frame.width(), frame.height());
    auto* label = new QLabel(title, window);
    label->setObjectName(titleName);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    label->adjustSize();
    const int lineLeft = box.left() + 8;  // the short piece before the title
    label->move(lineLeft + 2, box.top() - label->height() / 2);
    const int afterTitle = label->geometry().right() + 2;

    addLine(window, QRect(box.left(), box.top(), lineLeft - box.left(), 2));
    addLine(window, QRect(afterTitle, box.top(), box.right() - afterTitle, 2));
    addLine(window, QRect(box.left(), box.top(), 2, box.height()));
    addLine(window, QRect(box.right() - 1, box.top(), 2, box.height()));
    addLine(window, QRect(box.left(), box.bottom() - 1, box.width(), 2));
    label->raise();
    return label;
}

QLabel* addDecorativePicture(QWidget* window, QRect pixels)
{
    auto* picture = new QLabel(window);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setGeometry(pixels);
    picture->setScaledContents(true);
    picture->setStyleSheet(QStringLiteral("background: transparent;"));
    picture->setPixmap(QPixmap(dataPath(kDecorativePicture)));
    return picture;
}

}  // namespace zw::shell

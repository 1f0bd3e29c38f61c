#include "browser/mod_list_view_width.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>

namespace zw::browser {

void AutoSizeColumns(QTreeWidget* list, bool useHeader)
{
    if (!list)
        return;
    QHeaderView* header = list->header();
    for (int column = 0; column < list->columnCount(); ++column) {
        int width = 0;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            width = std::max(width, list->sizeHintForIndex(list->model()->index(row, column)).width());
        if (useHeader)
            width = std::max(width, header->sectionSizeHint(column));
        header->resizeSection(column, std::max(width, 0));
    }
}

}  // namespace zw::browser

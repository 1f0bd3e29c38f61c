// modListViewWidth: fits every column of a list in report view to its content, from the first
// column to the last; with useHeader the column is never narrower than its title.
#pragma once

class QTreeWidget;

namespace zw::browser {

void AutoSizeColumns(QTreeWidget* list, bool useHeader);

}  // namespace zw::browser

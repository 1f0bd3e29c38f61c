#include "tweak/catalogue.h"

namespace zw {

TwipsRect CatalogueDesign::boxRect(const CatalogueEntry& e) const
{
    const int x = e.column == CatalogueEntry::Column::Left ? leftBoxX : rightBoxX;
    return {x, firstRowY + rowStep * (e.row - 1), boxWidth, boxHeight};
}

TwipsRect CatalogueDesign::buttonRect(const CatalogueEntry& e) const
{
    const int x = e.column == CatalogueEntry::Column::Left ? leftButtonX : rightButtonX;
    return {x, firstRowY + rowStep * (e.row - 1), buttonWidth, buttonHeight};
}

}  // namespace zw

// A catalogue window as data: its size and fixed controls, and its entries (a title box and a
// "How To" button that opens one window). Plain C++, no Qt.
#pragma once

#include "tweak/toggle_layout.h"

#include <string>
#include <vector>

namespace zw {

struct CatalogueEntry {
    enum class Column { Left, Right };

    int row = 1;  // 1 = the top row
    Column column = Column::Left;
    std::string titleBox;  // name of the title box, e.g. "Text14"
    std::string title;     // its text
    std::string button;    // name of the "How To" button, e.g. "Command15"
    std::string opens;     // the window it opens, e.g. "reg_RAMdefragmentieren"
    bool locked = false;   // the title box refuses typing
};

struct CatalogueDesign {
    std::string name;     // "Regedit", "Tricks"
    std::string caption;  // window caption
    std::string title;    // lblCaption
    int widthTwips = 0;
    int heightTwips = 0;
    int titleLeft = 0;    // lblCaption
    int titleTop = 120;
    int boxWidth = 0;     // title boxes
    int boxHeight = 285;
    int buttonWidth = 0;  // "How To" buttons
    int buttonHeight = 300;
    int leftBoxX = 0;
    int leftButtonX = 0;
    int rightBoxX = 0;
    int rightButtonX = 0;
    int firstRowY = 1320;
    int rowStep = 480;
    std::string closeButton;  // "Schließen"
    TwipsRect close;
    int onTopLeft = 0;  // Check1
    int onTopTop = 0;
    int owlLeft = 0;  // WB
    int owlTop = 0;
    std::vector<CatalogueEntry> entries;

    TwipsRect boxRect(const CatalogueEntry& e) const;
    TwipsRect buttonRect(const CatalogueEntry& e) const;
};

}  // namespace zw

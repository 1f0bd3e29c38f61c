#include "tweak/catalogue_window.h"

#include "shell/navigator.h"
#include "shell/qt_text.h"
#include "tweak/twips_rect.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>

namespace zw {

namespace {

using shell::toQString;

shell::WindowDesign designOf(const CatalogueDesign& c)
{
    shell::WindowDesign d;
    d.name = toQString(c.name);
    d.widthTwips = c.widthTwips;
    d.heightTwips = c.heightTwips;
    d.caption = toQString(c.caption);
    d.opener = QStringLiteral("Form1");
    d.whenOpening = shell::LeaveRule::Unload;
    d.escCloses = true;
    d.topmostAtLoad = true;
    d.showsOwl = true;
    return d;
}

}  // namespace

CatalogueWindow::CatalogueWindow(const CatalogueDesign& design, QWidget* parent)
    : ToolWindow(designOf(design), parent)
{
    setBackground(shell::kToolBackground);
    addCaption(toQString(design.title), twipsRect(design.titleLeft, design.titleTop, design.widthTwips - design.titleLeft, 480),
               13.5);

    const shell::Navigator* navigator = shell::Navigator::current();
    for (const CatalogueEntry& entry : design.entries) {
        auto* box = new QLineEdit(toQString(entry.title), this);
        box->setObjectName(toQString(entry.titleBox));
        box->setGeometry(pixelRect(design.boxRect(entry)));
        box->setReadOnly(entry.locked);
        box->setStyleSheet(QStringLiteral("background: #C0FFC0;"));
        QFont small = box->font();  // the titles were made for a narrow 8-point face
        small.setPointSizeF(8);
        small.setStretch(88);
        box->setFont(small);
        box->setCursorPosition(0);

        QPushButton* howTo = addButton(toQString(entry.button), QStringLiteral("How To"), pixelRect(design.buttonRect(entry)));
        // A window this build lacks cannot be opened: its button is disabled.
        howTo->setEnabled(navigator && navigator->knows(toQString(entry.opens)));
        connect(howTo, &QPushButton::clicked, this, [this, &entry] { openEntry(entry); });
    }

    QPushButton* close = addButton(toQString(design.closeButton), QStringLiteral("Schließen"), pixelRect(design.close));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(design.onTopLeft, design.onTopTop, 1095, 255));
    addOwl(design.owlLeft, design.owlTop);
}

void CatalogueWindow::openEntry(const CatalogueEntry& entry)
{
    if (shell::Navigator* navigator = shell::Navigator::current())
        navigator->open(this, toQString(entry.opens));
}

}  // namespace zw

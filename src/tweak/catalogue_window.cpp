#include "tweak/catalogue_window.h"

#include "shell/navigator.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>

namespace zw {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

QRect rectOf(const TwipsRect& r)
{
    return shell::ToolWindow::twipsRect(r.left, r.top, r.width, r.height);
}

shell::WindowDesign designOf(const CatalogueDesign& c)
{
    shell::WindowDesign d;
    d.name = qs(c.name);
    d.widthTwips = c.widthTwips;
    d.heightTwips = c.heightTwips;
    d.caption = qs(c.caption);
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
    addCaption(qs(design.title), twipsRect(design.titleLeft, design.titleTop, design.widthTwips - design.titleLeft, 480),
               13.5);

    for (const CatalogueEntry& entry : design.entries) {
        auto* box = new QLineEdit(qs(entry.title), this);
        box->setObjectName(qs(entry.titleBox));
        box->setGeometry(rectOf(design.boxRect(entry)));
        box->setReadOnly(entry.locked);
        box->setStyleSheet(QStringLiteral("background: #C0FFC0;"));
        QFont small = box->font();  // the titles were made for a narrow 8-point face
        small.setPointSizeF(8);
        small.setStretch(88);
        box->setFont(small);
        box->setCursorPosition(0);

        QPushButton* howTo = addButton(qs(entry.button), QStringLiteral("How To"), rectOf(design.buttonRect(entry)));
        howTo->setEnabled(entry.ready);
        connect(howTo, &QPushButton::clicked, this, [this, &entry] { openEntry(entry); });
    }

    QPushButton* close = addButton(qs(design.closeButton), QStringLiteral("Schließen"), rectOf(design.close));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(design.onTopLeft, design.onTopTop, 1095, 255));
    addOwl(design.owlLeft, design.owlTop);
}

void CatalogueWindow::openEntry(const CatalogueEntry& entry)
{
    if (shell::Navigator* navigator = shell::Navigator::current())
        navigator->open(this, qs(entry.opens));
}

}  // namespace zw

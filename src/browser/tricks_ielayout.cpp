#include "browser/tricks_ielayout.h"

#include "browser/browser_pictures.h"
#include "browser/frm_iebg_preview.h"
#include "platform/services.h"
#include "shell/program_folder.h"
#include "tweak/toggle_writes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace zw::browser {

namespace {

const shell::WindowDesign kDesign{QStringLiteral("tricks_IELayout"), 7785, 8910,
                                  QStringLiteral("IE: Das Layout mit Bildern anpassen"), QStringLiteral("Tricks")};

constexpr int kMirrorMs = 500;
const QString kBitmapFilter = QStringLiteral("Bitmap (*.bmp)|*.bmp|");

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Loads a bitmap into a preview; a file that is not a readable picture leaves it unchanged.
void loadPreview(QLabel* preview, const QString& file)
{
    if (!preview)
        return;
    const QPixmap picture(file);
    if (!picture.isNull())
        preview->setPixmap(picture);
}

}  // namespace

TricksIELayout::TricksIELayout() : ToolWindow(kDesign)
{
    useBuiltInPictures();
    setBackground(kBrowserBackground);
    addCaption(QStringLiteral("IE: Das Layout mit Bildern anpassen"), twipsRect(480, 120, 6840, 375));

    buildRow(ToolbarPicture::Background, 720, QStringLiteral("Hintergrund-Bild vom Internet Explorer + Windows Explorer:"));
    auto* preview = addButton(QStringLiteral("cmdPreview"), QStringLiteral("Vorschau"), twipsRect(5160, 1560, 1095, 375));
    connect(preview, &QPushButton::clicked, this,
            [this] { runStep([this] { FrmIEBGPreview::showPreview(row(ToolbarPicture::Background).path->text()); }); });
    buildRow(ToolbarPicture::Logo, 2400, QStringLiteral("Logo rechts oben in der Ecke des Internet Explorer ersetzen:"));
    buildRow(ToolbarPicture::Animation, 4800,
             QStringLiteral("Animation rechts oben in der Ecke des Internet Explorer ersetzen:"));

    auto* info = addButton(QStringLiteral("cmdInfo"), QStringLiteral("?"), twipsRect(480, 8280, 375, 375));
    connect(info, &QPushButton::clicked, this, [this] { showInfo(); });
    auto* close = addButton(QStringLiteral("Command3"), QStringLiteral("Schließen"), twipsRect(2880, 8280, 2055, 375));
    connect(close, &QPushButton::clicked, this, &ToolWindow::closeWindow);
    addOnTopBox(twipsRect(5640, 8340, 1000, 240));
}

void TricksIELayout::buildRow(ToolbarPicture picture, int top, const QString& title)
{
    const ToolbarPictureRow& design = toolbarPictureRow(picture);
    addLabel(QStringLiteral("lbl") + text(design.pathBox).mid(3), title, twipsRect(480, top, 6840, 255));

    Row& r = row(picture);
    r.path = new QLineEdit(this);
    r.path->setObjectName(text(design.pathBox));
    r.path->setGeometry(twipsRect(480, top + 360, 4560, 315));
    r.path->setText(shell::programFilePath(design.preset));

    auto* browseButton = addButton(text(design.browse), QStringLiteral("Browse"), twipsRect(5160, top + 360, 1095, 315));
    connect(browseButton, &QPushButton::clicked, this, [this, picture] { browse(picture); });
    auto* none = addButton(text(design.noPicture), QStringLiteral("Kein Bild !"), twipsRect(6360, top + 360, 1095, 315));
    connect(none, &QPushButton::clicked, this, [this, picture] { noPicture(picture); });

    auto* timer = new QTimer(this);
    timer->setObjectName(text(design.mirrorTimer));
    timer->setInterval(kMirrorMs);
    connect(timer, &QTimer::timeout, this, [this, picture] { runStep([this, picture] { mirror(picture); }); });

    if (picture == ToolbarPicture::Background)
        return;
    int left = 480;
    for (const ToolbarMotif& motif : toolbarMotifs()) {
        const bool logo = picture == ToolbarPicture::Logo;
        const std::string_view file = logo ? motif.logoFile : motif.animationFile;
        auto* button = addButton(text(logo ? motif.logoButton : motif.animationButton), QString(),
                                 twipsRect(left, top + 840, 480, 480));
        button->setIcon(QPixmap(motifButtonImage(motif.logoFile)));
        button->setIconSize(button->size() - QSize(4, 4));
        button->setToolTip(shell::programFilePath(file));
        connect(button, &QPushButton::clicked, this, [this, picture, file] { useTemplate(picture, file); });
        left += 600;
    }
    addLabel(QStringLiteral("lblVorschau") + text(design.pathBox).mid(3), QStringLiteral("Vorschau:"),
             twipsRect(4080, top + 840, 1020, 255));
    r.preview = new QLabel(this);
    r.preview->setObjectName(picture == ToolbarPicture::Logo ? QStringLiteral("Picture1") : QStringLiteral("Picture2"));
    r.preview->setGeometry(picture == ToolbarPicture::Logo ? twipsRect(5160, top + 840, 660, 660)
                                                           : twipsRect(5160, top + 840, 420, 1560));
    r.preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    r.preview->setFrameShape(QFrame::StyledPanel);
    r.preview->setStyleSheet(QStringLiteral("background: white;"));
}

void TricksIELayout::load()
{
    for (const ToolbarPictureRow& design : toolbarPictureRows())
        if (auto* timer = findChild<QTimer*>(text(design.mirrorTimer)))
            timer->start();
}

void TricksIELayout::mirror(ToolbarPicture picture)
{
    const std::optional<std::string> path = readToolbarPicture(picture);
    if (!path)
        return;
    Row& r = row(picture);
    r.path->setText(QString::fromStdString(*path));
    loadPreview(r.preview, r.path->text());
}

void TricksIELayout::useTemplate(ToolbarPicture picture, std::string_view file)
{
    Row& r = row(picture);
    r.path->setText(shell::programFilePath(file));
    runStep([&] { writeToolbarPicture(picture, r.path->text().toStdString()); });
}

void TricksIELayout::browse(ToolbarPicture picture)
{
    const QString chosen = platform::services().dialogs->openFileName({QString(), kBitmapFilter, QString(), QString()});
    if (chosen.isEmpty())
        return;
    Row& r = row(picture);
    r.path->setText(chosen);
    loadPreview(r.preview, chosen);
    runStep([&] { writeToolbarPicture(picture, r.path->text().toStdString()); });
}

void TricksIELayout::noPicture(ToolbarPicture picture)
{
    row(picture).path->clear();
    runStep([&] { writeToolbarPicture(picture, ""); });
}

void TricksIELayout::showInfo()
{
    const std::string folder = shell::programFilePath("Data\\Pics\\").toStdString();
    platform::services().dialogs->messageBox(QString::fromStdString(templateFolderNotice(folder)),
                                             QStringLiteral("Info..."), platform::MsgIcon::Information);
}

}  // namespace zw::browser

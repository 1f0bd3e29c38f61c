#include "info_window.h"

#include "email.h"
#include "hub_child_design.h"
#include "link_label.h"
#include "navigator.h"
#include "product_contact.h"
#include "program_folder.h"
#include "qt_text.h"
#include "website.h"

#include "platform/services.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace zw::shell {
namespace {

// The about window's texts, top to bottom.
struct InfoText {
    const char* name;
    const char* text;
    int left, top, width, height;  // twips
};

const InfoText kTexts[] = {
    {"Label8",
     "Der Zunderwerk ist ein Programm, das Standard Registry Werte optimiert, mehr Systemperformance herausholt "
     "und Ihnen Tips und Tricks zum Optimalen und kompfortablen Umgang mit Windows XP näher bringt.",
     360, 1200, 7035, 1095},
    {"Label2", "Bei Fragen, Kritik oder sonstigen Anregungen, können Sie mich gerne kontaktieren:", 360, 2400, 7035,
     495},
    {"Label9", "Homepage:", 360, 3000, 1215, 285},
    {"Label10", "E-Mail:", 360, 3360, 1215, 285},
    {"Label11",
     "Zunderwerk darf kostenlos weitergegeben werden, solange das Programm vollständig und unverändert bleibt "
     "und niemand Geld dafür verlangt.",
     360, 3840, 7035, 735},
    {"Label4",
     "Die Benutzung geschieht auf eigene Gefahr: Für Schäden an Hard- oder Software, für Datenverlust und für "
     "andere Folgen der geänderten Registry Werte wird keine Haftung übernommen.",
     360, 4920, 7035, 735},
    {"Label5", "Legen Sie vor dem ersten Tweak am besten einen Systemwiederherstellungspunkt an.", 360, 5700, 7035,
     495},
    {"Label6",
     "Ich benutze den Zunderwerk selbst jeden Tag auf meinen eigenen Rechnern; jeder Tweak wurde dort "
     "ausprobiert.",
     360, 6240, 7035, 495},
};

constexpr int kOkToneHz = 1000;
constexpr int kOkToneMs = 100;

}  // namespace

const WindowDesign& Info::designOf()
{
    static const WindowDesign design = hubChildDesign(QStringLiteral("Info"), 7755, 8505, QStringLiteral("Info"));
    return design;
}

Info::Info() : ToolWindow(designOf())
{
    setStyleSheet(hubChildStyle(objectName()));
    setBackground(QStringLiteral("Pics/Backgrounds/Info.png"));
    addCaption(QStringLiteral("About Zunderwerk v. 2.0"), twipsRect(360, 360, 5535, 375), 13.5);

    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(twipsRect(6240, 240, 960, 960));
    image2->setScaledContents(true);
    image2->setPixmap(QPixmap(dataPath(QStringLiteral("Pics/Icons/zunderwerk-64.png"))));

    for (const InfoText& t : kTexts) {
        addLabel(QString::fromUtf8(t.name), QString::fromUtf8(t.text), twipsRect(t.left, t.top, t.width, t.height))
            ->setWordWrap(true);
    }

    auto* website = new LinkLabel(QStringLiteral("Label3"), toQString(kProductWebsite), QStringLiteral("Visit my Homepage...?!?"), this);
    website->setGeometry(twipsRect(1680, 3000, 5715, 285));
    connect(website, &LinkLabel::clicked, this, [this] { OpenWebsite(this, toQString(kProductWebsite)); });
    auto* mail = new LinkLabel(QStringLiteral("Label7"), toQString(kProductEmail), QStringLiteral("Write E-Mail...?!?"), this);
    mail->setGeometry(twipsRect(1680, 3360, 5715, 285));
    connect(mail, &LinkLabel::clicked, this, [this] { WriteEmail(this, toQString(kProductEmail), QStringLiteral("Zunderwerk")); });

    auto* line2 = new QFrame(this);
    line2->setObjectName(QStringLiteral("Line2"));
    line2->setFrameShape(QFrame::HLine);
    line2->setStyleSheet(QStringLiteral("QFrame { color: white; }"));
    line2->setGeometry(twipsRect(360, 4740, 7035, 30));

    QPushButton* ok = addButton(QStringLiteral("Command1"), QStringLiteral("OK"), twipsRect(3150, 7080, 1455, 375));
    connect(ok, &QPushButton::clicked, this, &Info::confirm);
    addOnTopBox(twipsRect(360, 7800, 1215, 255));
    addOwl(6480, 7680);
}

void Info::confirm()
{
    platform::services().tones->beep(kOkToneHz, kOkToneMs);
    closeWindow();
}

void registerAboutWindow(Navigator& navigator)
{
    navigator.add(QStringLiteral("Info"), [] { return new Info; });
}

}  // namespace zw::shell

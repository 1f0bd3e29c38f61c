// The text and choice windows: what each stores (type and exact bytes), the line breaks of the
// notice, the timeout's load and colours, and the exact start-type check of tricks_netsend.
#include "tip_window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>

namespace zw::test {
namespace {

using TextWindow = TipWindowTest;

const std::string kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const std::string kIeMain = "Software\\Microsoft\\Internet Explorer\\Main";
const std::string kMessenger = "SYSTEM\\CurrentControlSet\\Services\\Messenger";

RawValue sz(const std::string& t)
{
    return {platform::kRegSz, t};
}

TEST_F(TextWindow, NoticeIsStoredWithCarriageReturnLineFeedAndRestoredAsEmptyText)
{
    open("tricks_bootnachricht");
    ASSERT_TRUE(window);
    auto* text1 = child<QPlainTextEdit>(QStringLiteral("Text1"));
    auto* text2 = child<QPlainTextEdit>(QStringLiteral("Text2"));
    EXPECT_TRUE(text1->toPlainText().isEmpty()) << "not filled from the registry";

    setOnTop();
    text1->setPlainText(QStringLiteral("Achtung"));
    child(QStringLiteral("Command1"))->click();
    EXPECT_FALSE(onTop());
    EXPECT_EQ(rawValue(2, kWinlogon, "LegalNoticeCaption"), sz("Achtung"));

    text2->setPlainText(QStringLiteral("Zeile eins\nZeile zwei"));
    child(QStringLiteral("Command3"))->click();
    EXPECT_EQ(rawValue(2, kWinlogon, "LegalNoticeText"), sz("Zeile eins\r\nZeile zwei"));

    child(QStringLiteral("Command2"))->click();
    EXPECT_TRUE(text1->toPlainText().isEmpty());
    EXPECT_EQ(rawValue(2, kWinlogon, "LegalNoticeCaption"), sz("")) << "present, empty, size 0";
    child(QStringLiteral("Command4"))->click();
    EXPECT_EQ(rawValue(2, kWinlogon, "LegalNoticeText"), sz(""));

    ASSERT_EQ(fakes.dialogs.messages.size(), 4);
    EXPECT_EQ(fakes.dialogs.messages[3].text, kSuccess);
    closeReturnsToTricks(QStringLiteral("Command5"));
}

TEST_F(TextWindow, BrowserTitleStoresThePresetAndRestoresTheStandardTitleLeavingTheBox)
{
    open("tricks_InternetExplorer");
    ASSERT_TRUE(window);
    auto* text1 = child<QLineEdit>(QStringLiteral("Text1"));
    child(QStringLiteral("Command1"))->click();
    EXPECT_EQ(rawValue(1, kIeMain, "Window Title"), sz("~* Pelkor Security Browser *~"));
    text1->setText(QStringLiteral("Müller & Söhne"));
    child(QStringLiteral("Command2"))->click();
    EXPECT_EQ(rawValue(1, kIeMain, "Window Title"), sz("Microsoft Internet Explorer"));
    EXPECT_EQ(text1->text(), "Müller & Söhne");
    child(QStringLiteral("Command1"))->click();
    EXPECT_EQ(rawValue(1, kIeMain, "Window Title"), sz("Müller & Söhne"));
    EXPECT_EQ(fakes.dialogs.messages.size(), 3);
    closeReturnsToTricks(QStringLiteral("Command3"));
}

TEST_F(TextWindow, TimeoutShowsWhatIsStoredAndStoresAnyTextAsString)
{
    open("tricks_timeout");
    ASSERT_TRUE(window);
    auto* text1 = child<QLineEdit>(QStringLiteral("Text1"));
    EXPECT_EQ(text1->text(), "") << "no stored value: the preset 5000 is gone";
    child(QStringLiteral("Command1"))->click();
    EXPECT_EQ(rawValue(1, "Control Panel\\Desktop", "HungAppTimeout"), sz(""));
    child(QStringLiteral("Command2"))->click();
    flushDeletes();

    Registry::SetDwordValue(1, "Control Panel\\Desktop", "HungAppTimeout", 5000);
    open("tricks_timeout");
    text1 = child<QLineEdit>(QStringLiteral("Text1"));
    EXPECT_EQ(text1->text(), "5000");
    child(QStringLiteral("Command1"))->click();
    EXPECT_EQ(rawValue(1, "Control Panel\\Desktop", "HungAppTimeout"), sz("5000")) << "rewritten as REG_SZ";
    text1->setText(QStringLiteral("bald"));
    child(QStringLiteral("Command1"))->click();
    EXPECT_EQ(rawValue(1, "Control Panel\\Desktop", "HungAppTimeout"), sz("bald"));
    EXPECT_EQ(fakes.dialogs.messages.size(), 3);
}

TEST_F(TextWindow, TimeoutBoxTurnsLightYellowUnderThePointerAndWhiteOverTheBackground)
{
    open("tricks_timeout");
    auto* text1 = child<QLineEdit>(QStringLiteral("Text1"));
    const auto moveOver = [](QWidget* w) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
    };
    moveOver(text1);
    EXPECT_EQ(text1->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0x80));
    moveOver(window->background());
    EXPECT_EQ(text1->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(TextWindow, StartTypeMustMatchExactly)
{
    const struct {
        const char* typed;
        int stored;  // 0: refused, nothing written
    } cases[] = {{"Automatisch", 2}, {"Manuell", 3}, {"Deaktiviert", 4},
                 {"manuell", 0},     {"Manuell ", 0}, {"", 0}};
    open("tricks_netsend");
    ASSERT_TRUE(window);
    auto* combo = child<QComboBox>(QStringLiteral("Combo1"));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "Automatisch");
    EXPECT_EQ(combo->itemText(2), "Deaktiviert");
    EXPECT_EQ(combo->currentText(), "Automatisch");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Registry::DeleteValue(2, kMessenger, "Start");
        fakes.dialogs.messages.clear();
        setOnTop();
        combo->setEditText(QString::fromUtf8(c.typed));
        child(QStringLiteral("Command2"))->click();
        EXPECT_TRUE(onTop()) << "On Top is not touched here";
        ASSERT_EQ(fakes.dialogs.messages.size(), 1);
        const RecordedMessage& m = fakes.dialogs.messages[0];
        if (c.stored) {
            EXPECT_EQ(m.text, kSuccess);
            EXPECT_EQ(Registry::GetValueText(2, kMessenger, "Start"), std::to_string(c.stored));
        } else {
            EXPECT_EQ(m.text, "Bitte wählen Sie einen korrekten Starttyp aus!");
            EXPECT_EQ(m.title, "Starttyp korrekt wählen...");
            EXPECT_EQ(m.icon, platform::MsgIcon::Critical);
            EXPECT_FALSE(rawValue(2, kMessenger, "Start").has_value());
        }
    }
    closeReturnsToTricks(QStringLiteral("Command1"));
}

}  // namespace
}  // namespace zw::test

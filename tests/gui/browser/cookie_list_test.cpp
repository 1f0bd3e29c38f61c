// The cookie rule list: rows, colours and weight per rule, the three buttons and their questions.
#include "browser_fixture.h"

#include "browser/cookie_rules.h"
#include "tweak/registry.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

namespace zw::test {
namespace {

using browser::cookieSiteKey;

class CookieList : public BrowserWindow {
protected:
    QTreeWidget* list() { return child<QTreeWidget>("ListView1"); }

    // Each row as "site|rule|colour|bold".
    QStringList rows()
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list()->topLevelItem(i);
            QString line = row->text(0) + '|' + row->text(1);
            for (int column : {0, 1}) {
                const QVariant colour = row->data(column, Qt::ForegroundRole);
                line += '|' + (colour.isValid() ? colour.value<QBrush>().color().name() : QStringLiteral("-"));
                line += row->font(column).bold() ? QStringLiteral("|bold") : QStringLiteral("|plain");
            }
            out << line;
        }
        return out;
    }

    void select(const QString& site)
    {
        const auto found = list()->findItems(site, Qt::MatchExactly, 0);
        ASSERT_EQ(found.size(), 1) << site.toStdString();
        const QRect place = list()->visualItemRect(found.front());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
        ASSERT_TRUE(found.front()->isSelected());
    }

    QStringList actionPattern()
    {
        QStringList enabled;
        for (const char* name : {"cmdDelete", "cmdSperren", "cmdZulassen"})
            enabled << (child(name)->isEnabled() ? "1" : "0");
        return enabled;
    }
};

TEST_F(CookieList, WithoutRulesOnlyTheColumnTitlesShow)
{
    open("tricks_CookieList");
    ASSERT_TRUE(window);
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    ASSERT_EQ(list()->columnCount(), 2);
    EXPECT_EQ(list()->headerItem()->text(0), "Website des Cookies");
    EXPECT_EQ(list()->headerItem()->text(1), "Cookie Regel");
    EXPECT_GE(list()->header()->sectionSize(0), list()->header()->sectionSizeHint(0));
    EXPECT_EQ(actionPattern(), QStringList({"0", "0", "0"}));
}

TEST_F(CookieList, EachRowShowsItsOwnRule)
{
    Registry::SetDwordValue(1, cookieSiteKey("aaa.example"), "", 5);
    Registry::SetDwordValue(1, cookieSiteKey("bbb.example"), "", 7);
    Registry::SetDwordValue(1, cookieSiteKey("ccc.example"), "", 1);
    Registry::CreateKeyPath(1, cookieSiteKey("ddd.example"));
    Registry::SetDwordValue(1, cookieSiteKey("a-very-long-site-name-for-the-column.example.com"), "", 1);
    open("tricks_CookieList");

    QStringList expected;
    for (const browser::CookieSite& site : browser::readCookieRules()) {
        const QString name = QString::fromStdString(site.site);
        switch (site.rule) {
        case browser::CookieRule::Block: expected << name + "|Immer sperren|#00ff00|bold|#00ff00|bold"; break;
        case browser::CookieRule::Allow: expected << name + "|Immer zulassen|#ff0000|bold|#ff0000|bold"; break;
        case browser::CookieRule::None: expected << name + "||-|plain|-|plain"; break;
        }
    }
    ASSERT_EQ(expected.size(), 5);
    EXPECT_EQ(rows(), expected);
    // The first column is wide enough for the longest site.
    EXPECT_GE(list()->header()->sectionSize(0),
              list()->fontMetrics().horizontalAdvance("a-very-long-site-name-for-the-column.example.com"));
}

TEST_F(CookieList, SperrenOnAnAllowedSiteTurnsItsRowGreen)
{
    Registry::SetDwordValue(1, cookieSiteKey("bank.example.de"), "", 1);
    open("tricks_CookieList");
    child<QCheckBox>("Check1")->setChecked(true);
    select("bank.example.de");
    EXPECT_EQ(actionPattern(), QStringList({"1", "1", "1"}));
    fakes.dialogs.answers = {MsgAnswer::Yes};

    child("cmdSperren")->click();

    EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_EQ(fakes.dialogs.messages[0].text, "Möchten Sie Cookies von der Seite bank.example.de wirklich sperren?");
    EXPECT_EQ(fakes.dialogs.messages[0].title, "Wirklich sperren?");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(fakes.dialogs.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(fakes.dialogs.messages[1].text, kSuccess);
    EXPECT_EQ(fakes.dialogs.messages[1].icon, MsgIcon::Information);
    EXPECT_EQ(rows(), QStringList({"bank.example.de|Immer sperren|#00ff00|bold|#00ff00|bold"}));
    EXPECT_EQ(actionPattern(), QStringList({"1", "1", "1"})) << "the buttons stay enabled after the rebuild";
}

TEST_F(CookieList, LoeschenRemovesASiteButNotOneWithSubKeys)
{
    Registry::SetDwordValue(1, cookieSiteKey("gone.example"), "", 5);
    Registry::SetDwordValue(1, cookieSiteKey("nested.example"), "", 1);
    Registry::CreateKeyPath(1, cookieSiteKey("nested.example") + "\\inner");
    open("tricks_CookieList");
    fakes.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::Yes};

    select("gone.example");
    child("cmdDelete")->click();
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              "Möchten Sie die Seite gone.example wirklich von den Cookie Regeln ausschließen?");
    EXPECT_EQ(fakes.dialogs.messages[0].title, "Wirklich löschen?");
    EXPECT_EQ(rows(), QStringList({"nested.example|Immer zulassen|#ff0000|bold|#ff0000|bold"}));

    select("nested.example");
    child("cmdDelete")->click();
    ASSERT_EQ(fakes.dialogs.messages.size(), 4);
    EXPECT_EQ(fakes.dialogs.messages[1].text, kSuccess);
    EXPECT_EQ(fakes.dialogs.messages[3].text, kFailure) << "a key with subkeys is not deleted";
    EXPECT_EQ(rows(), QStringList({"nested.example|Immer zulassen|#ff0000|bold|#ff0000|bold"}));
}

TEST_F(CookieList, AnswerNoChangesNothing)
{
    Registry::SetDwordValue(1, cookieSiteKey("x.example"), "", 5);
    open("tricks_CookieList");
    select("x.example");
    for (const char* button : {"cmdDelete", "cmdSperren", "cmdZulassen"}) {
        fakes.dialogs.answers = {MsgAnswer::No};
        child(button)->click();
    }
    ASSERT_EQ(fakes.dialogs.messages.size(), 3);
    EXPECT_EQ(fakes.dialogs.messages[2].text, "Möchten Sie Cookies von der Seite x.example wirklich zulassen?");
    EXPECT_EQ(fakes.dialogs.messages[2].title, "Wirklich zulassen?");
    EXPECT_EQ(Registry::GetValueText(1, cookieSiteKey("x.example"), ""), "5");
}

TEST_F(CookieList, WithoutASelectionNoQuestionIsAsked)
{
    Registry::SetDwordValue(1, cookieSiteKey("x.example"), "", 5);
    open("tricks_CookieList");
    select("x.example");
    list()->clearSelection();
    child("cmdZulassen")->click();
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(Registry::GetValueText(1, cookieSiteKey("x.example"), ""), "5");
}

TEST_F(CookieList, CloseReturnsToTheCatalogue)
{
    open("tricks_CookieList");
    child("Command3")->click();
    flushDeletes();
    EXPECT_FALSE(window);
    EXPECT_EQ(navigator.loadedNames(), QStringList({"Tricks"}));
}

}  // namespace
}  // namespace zw::test

// The cookie rules as the registry holds them: reading in enumeration order, the rule of each
// default value, and the three changes.
#include "registry_test_store.h"

#include "browser/cookie_rules.h"
#include "tweak/registry.h"

#include <map>

namespace zw::test {
namespace {

using browser::CookieAction;
using browser::CookieRule;
using browser::CookieSite;
using browser::cookieSiteKey;
using browser::readCookieRules;

using CookieRules = RegistryStoreTest;

TEST_F(CookieRules, NoKeyGivesNoSites)
{
    EXPECT_TRUE(readCookieRules().empty());
    Registry::SetStringValue(1, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\P3P", "x", "");
    EXPECT_TRUE(readCookieRules().empty());
}

TEST_F(CookieRules, EveryDefaultValueGivesItsRule)
{
    Registry::SetDwordValue(1, cookieSiteKey("b.example"), "", 5);
    Registry::SetDwordValue(1, cookieSiteKey("a.example"), "", 1);
    Registry::SetStringValue(1, cookieSiteKey("c.example"), "", "5");   // text "5" reads as block too
    Registry::SetDwordValue(1, cookieSiteKey("d.example"), "", 2);
    Registry::CreateKeyPath(1, cookieSiteKey("e.example"));             // no value at all
    Registry::SetDwordValue(1, cookieSiteKey("f.example"), "other", 5); // only the default value counts

    std::vector<CookieSite> expected;
    platform::RegKey key = 0;
    ASSERT_EQ(Registry::OpenKey(1, browser::kCookieRulesKey, key), platform::kRegOk);
    std::string name;
    for (std::uint32_t i = 0; Registry::EnumKey(key, i, name) == platform::kRegOk; ++i)
        expected.push_back({name, CookieRule::None});
    Registry::CloseKey(key);
    const std::map<std::string, CookieRule> rules{{"a.example", CookieRule::Allow}, {"b.example", CookieRule::Block},
                                                  {"c.example", CookieRule::Block}};
    for (CookieSite& s : expected)
        if (auto it = rules.find(s.site); it != rules.end())
            s.rule = it->second;

    EXPECT_EQ(readCookieRules(), expected);
    EXPECT_EQ(expected.size(), 6u);
}

TEST_F(CookieRules, RulesLookAsTheListShowsThem)
{
    EXPECT_EQ(browser::cookieRuleLook(CookieRule::Block).text, "Immer sperren");
    EXPECT_EQ(browser::cookieRuleLook(CookieRule::Block).colour, 65280u);
    EXPECT_EQ(browser::cookieRuleLook(CookieRule::Allow).text, "Immer zulassen");
    EXPECT_EQ(browser::cookieRuleLook(CookieRule::Allow).colour, 255u);
    EXPECT_TRUE(browser::cookieRuleLook(CookieRule::None).text.empty());
    EXPECT_FALSE(browser::cookieRuleLook(CookieRule::None).marked);
    for (const char* text : {"", "0", " 5", "05", "-1", "1x"})
        EXPECT_EQ(browser::cookieRuleFromText(text), CookieRule::None) << text;
}

TEST_F(CookieRules, QuestionsNameTheSite)
{
    const auto del = browser::cookieQuestion(CookieAction::Delete, "ads.example.com");
    EXPECT_EQ(del.text, "Möchten Sie die Seite ads.example.com wirklich von den Cookie Regeln ausschließen?");
    EXPECT_EQ(del.title, "Wirklich löschen?");
    const auto block = browser::cookieQuestion(CookieAction::Block, "x.de");
    EXPECT_EQ(block.text, "Möchten Sie Cookies von der Seite x.de wirklich sperren?");
    EXPECT_EQ(block.title, "Wirklich sperren?");
    const auto allow = browser::cookieQuestion(CookieAction::Allow, "x.de");
    EXPECT_EQ(allow.text, "Möchten Sie Cookies von der Seite x.de wirklich zulassen?");
    EXPECT_EQ(allow.title, "Wirklich zulassen?");
}

TEST_F(CookieRules, ChangesWriteTheDefaultValueOrRemoveTheKey)
{
    Registry::SetDwordValue(1, cookieSiteKey("a.example"), "", 1);
    browser::applyCookieAction(CookieAction::Block, "a.example");
    EXPECT_EQ(Registry::GetValueText(1, cookieSiteKey("a.example"), ""), "5");
    browser::applyCookieAction(CookieAction::Allow, "new.example");  // a missing site key is created
    EXPECT_EQ(Registry::GetValueText(1, cookieSiteKey("new.example"), ""), "1");

    browser::applyCookieAction(CookieAction::Delete, "a.example");
    EXPECT_EQ(readCookieRules(), (std::vector<CookieSite>{{"new.example", CookieRule::Allow}}));

    // A site key with sub-keys of its own stays; an empty site never touches the History key.
    Registry::CreateKeyPath(1, cookieSiteKey("new.example") + "\\inner");
    browser::applyCookieAction(CookieAction::Delete, "new.example");
    browser::applyCookieAction(CookieAction::Delete, "");
    browser::applyCookieAction(CookieAction::Block, "");
    EXPECT_EQ(readCookieRules(), (std::vector<CookieSite>{{"new.example", CookieRule::Allow}}));
    EXPECT_EQ(Registry::GetValueText(1, browser::kCookieRulesKey, ""), "");
}

}  // namespace
}  // namespace zw::test

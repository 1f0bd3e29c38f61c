#include "browser/cookie_rules.h"

#include "tweak/registry.h"

namespace zw::browser {

namespace {

constexpr HiveCode kCurrentUser = 1;

}  // namespace

CookieRule cookieRuleFromText(std::string_view text)
{
    if (text == "5")
        return CookieRule::Block;
    if (text == "1")
        return CookieRule::Allow;
    return CookieRule::None;
}

const CookieRuleLook& cookieRuleLook(CookieRule rule)
{
    static const CookieRuleLook none{};
    static const CookieRuleLook block{"Immer sperren", true, 65280};
    static const CookieRuleLook allow{"Immer zulassen", true, 255};
    switch (rule) {
    case CookieRule::Block: return block;
    case CookieRule::Allow: return allow;
    case CookieRule::None: break;
    }
    return none;
}

std::string cookieSiteKey(std::string_view site)
{
    std::string key(kCookieRulesKey);
    key += '\\';
    key += site;
    return key;
}

std::vector<CookieSite> readCookieRules()
{
    std::vector<CookieSite> sites;
    Registry::RegKey key = 0;
    if (Registry::OpenKey(kCurrentUser, kCookieRulesKey, key) != platform::kRegOk)
        return sites;
    std::string name;
    for (std::uint32_t index = 0; Registry::EnumKey(key, index, name) == platform::kRegOk; ++index) {
        const std::string site = name.substr(0, name.find('\0'));
        sites.push_back({site, cookieRuleFromText(Registry::GetValueText(kCurrentUser, cookieSiteKey(site), ""))});
    }
    Registry::CloseKey(key);
    return sites;
}

CookieQuestion cookieQuestion(CookieAction action, std::string_view site)
{
    const std::string s(site);
    switch (action) {
    case CookieAction::Delete:
        return {"Möchten Sie die Seite " + s + " wirklich von den Cookie Regeln ausschließen?", "Wirklich löschen?"};
    case CookieAction::Block:
        return {"Möchten Sie Cookies von der Seite " + s + " wirklich sperren?", "Wirklich sperren?"};
    case CookieAction::Allow:
        return {"Möchten Sie Cookies von der Seite " + s + " wirklich zulassen?", "Wirklich zulassen?"};
    }
    return {};
}

void applyCookieAction(CookieAction action, std::string_view site)
{
    // An empty site would name the History key itself; there is no such row.
    if (site.empty())
        return;
    const std::string key = cookieSiteKey(site);
    switch (action) {
    case CookieAction::Delete: Registry::DeleteKey(kCurrentUser, key); break;
    case CookieAction::Block: Registry::SetDwordValue(kCurrentUser, key, "", 5); break;
    case CookieAction::Allow: Registry::SetDwordValue(kCurrentUser, key, "", 1); break;
    }
}

}  // namespace zw::browser

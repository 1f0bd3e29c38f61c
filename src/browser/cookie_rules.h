// The browser's per-site cookie rules of the current user: one sub-key per site below the
// History key, whose default value says 5 (always block) or 1 (always allow). Reading the
// list, the texts and colours of a row, and the three changes the cookie window offers.
// Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zw::browser {

inline constexpr std::string_view kCookieRulesKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\P3P\\History";

enum class CookieRule { None, Block, Allow };

struct CookieSite {
    std::string site;
    CookieRule rule = CookieRule::None;
    bool operator==(const CookieSite&) const = default;
};

// How a rule is shown: its text in the second column, the row's colour (&H00BBGGRR&) and weight.
struct CookieRuleLook {
    std::string_view text;        // "Immer sperren", "Immer zulassen" or empty
    bool marked = false;          // coloured and bold; otherwise the list's default look
    std::uint32_t colour = 0;     // 65280 green, 255 red
};

// The rule a default value's text stands for: "5" block, "1" allow, anything else none.
CookieRule cookieRuleFromText(std::string_view text);
const CookieRuleLook& cookieRuleLook(CookieRule rule);

// The key of one site's rule.
std::string cookieSiteKey(std::string_view site);

// Every site in the registry's own order of enumeration; no key gives an empty list.
std::vector<CookieSite> readCookieRules();

// The three changes, with the question asked before each.
enum class CookieAction { Delete, Block, Allow };

struct CookieQuestion {
    std::string text;
    std::string title;
};
CookieQuestion cookieQuestion(CookieAction action, std::string_view site);

// Delete removes the site's key (not when it has sub-keys of its own); Block and Allow write
// 5 or 1 into its default value. Silent, like every registry write.
void applyCookieAction(CookieAction action, std::string_view site);

}  // namespace zw::browser

#include "product_contact.h"
#include "quick_menu.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zw::shell {
namespace {

TEST(QuickMenu, ItemsStandInDisplayOrderWithTheirSubmenus)
{
    std::string outline;
    for (const auto& item : quickMenuItems()) {
        outline += std::string(static_cast<std::size_t>(item.depth) * 2, ' ');
        outline += std::string(item.name) + (item.kind == QuickItemKind::Submenu ? ">" : "") + "\n";
    }
    EXPECT_EQ(outline,
              "mnNix\nTrenn1\nmnWebsite\nTrenn2\nmnMsgShow\ninetoff\nlock\ntweaks>\n  dlls\n  wsh1\n  wsh0\n"
              "tools>\n  toolsDOS\n  toolssys\n  toolsInet\nmaxi\nTrenn3\nmnExit\n");
}

TEST(QuickMenu, NamesAreUniqueAndChildrenFollowASubmenu)
{
    std::set<std::string_view> names;
    int previousDepth = 0;
    bool previousWasSubmenu = false;
    for (const auto& item : quickMenuItems()) {
        EXPECT_TRUE(names.insert(item.name).second) << item.name;
        if (item.depth == 1 && previousDepth == 0) {
            EXPECT_TRUE(previousWasSubmenu) << item.name;
        }
        EXPECT_LE(item.depth, 1);
        if (item.kind == QuickItemKind::Separator) {
            EXPECT_EQ(item.caption, "-");
        }
        previousDepth = item.depth;
        previousWasSubmenu = item.kind == QuickItemKind::Submenu;
    }
}

TEST(QuickMenu, WebsiteItemShowsTheBuildsAddressAndOnlyTheScriptHostItemsAreCheckable)
{
    for (const auto& item : quickMenuItems()) {
        if (item.name == "mnWebsite") {
            EXPECT_EQ(item.caption, kProductWebsite);
        }
        EXPECT_EQ(item.checkable, item.name == "wsh0" || item.name == "wsh1") << item.name;
    }
    EXPECT_FALSE(kProductWebsite.empty());
}

}  // namespace
}  // namespace zw::shell

// The special windows open from their catalogue entries and return to a fresh catalogue.
#include "fresh_store.h"
#include "support/fake_services.h"
#include "support/window_steps.h"

#include "shell/navigator.h"
#include "shell/tool_window.h"
#include "tuning/tuning_windows.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>

namespace zw::test {
namespace {

class CatalogueEntries : public FreshStore {
protected:
    CatalogueEntries() { tuning::registerWindows(navigator); }
    ~CatalogueEntries() override { flushDeletes(); }

    FakeServices fakes;
    shell::Navigator navigator;
};

TEST_F(CatalogueEntries, EachHowToButtonOpensItsSpecialWindow)
{
    const struct {
        const char* button;
        const char* window;
    } entries[] = {
        {"Command1", "reg_disccache"},           {"Command12", "reg_zipfunktion"},
        {"Command15", "reg_RAMdefragmentieren"}, {"Command16", "reg_shutdownTuning"},
        {"Command19", "reg_Menügeschwindigkeit"}, {"Command20", "reg_MaxConnections"},
        {"Command21", "reg_OutlookSplash"},
    };
    for (const auto& e : entries) {
        QPointer<shell::ToolWindow> catalogue = navigator.show(QStringLiteral("Regedit"));
        ASSERT_TRUE(catalogue);
        auto* howTo = catalogue->findChild<QPushButton*>(QString::fromUtf8(e.button));
        ASSERT_TRUE(howTo) << e.button;
        ASSERT_TRUE(howTo->isEnabled()) << e.button;
        howTo->click();
        flushDeletes();
        EXPECT_FALSE(catalogue) << "the catalogue unloads";
        QPointer<shell::ToolWindow> window = navigator.loaded(QString::fromUtf8(e.window));
        ASSERT_TRUE(window) << e.window;
        EXPECT_TRUE(window->isVisible());

        window->closeWindow();
        flushDeletes();
        EXPECT_FALSE(window);
        ASSERT_TRUE(navigator.loaded(QStringLiteral("Regedit"))) << e.window << " returns to Regedit";
        navigator.unload(QStringLiteral("Regedit"));
        flushDeletes();
    }
}

}  // namespace
}  // namespace zw::test

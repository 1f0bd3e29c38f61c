// The catalogues Regedit and Tricks: entries, navigation, keys, load state.
#include "toggle_gui_fixture.h"

#include "shell/public_variables.h"
#include "tips/tricks_catalogue.h"
#include "tuning/regedit_catalogue.h"
#include "tweak/catalogue_window.h"
#include "tweak/twips_rect.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace zw::test {
namespace {

struct Catalogue {
    const char* hubButton;
    const CatalogueDesign& (*design)();
    int widthPixels;
    int heightPixels;
};
const Catalogue kCatalogues[] = {
    {"cmdSystemTuning", &regeditCatalogue, 664, 526},
    {"cmdTipsUndTricks", &tricksCatalogue, 728, 659},
};

class CatalogueTest : public ToggleGuiTest {
protected:
    shell::ToolWindow* openFromHub(const Catalogue& c)
    {
        shell::ToolWindow* hub = navigator.show("Form1");
        click(hub, c.hubButton);
        return navigator.loaded(QString::fromStdString(c.design().name));
    }
};

TEST_F(CatalogueTest, EveryEntryStandsInItsPlaceWithItsTitle)
{
    for (const Catalogue& c : kCatalogues) {
        const CatalogueDesign& d = c.design();
        SCOPED_TRACE(d.name);
        shell::ToolWindow* w = openFromHub(c);
        ASSERT_TRUE(w);
        EXPECT_EQ(w->size(), QSize(c.widthPixels, c.heightPixels));
        EXPECT_EQ(child<QLabel>(w, "lblCaption")->text().toStdString(), d.title);
        EXPECT_EQ(child<QPushButton>(w, QString::fromStdString(d.closeButton))->text(), "Schließen");
        EXPECT_EQ(child<QCheckBox>(w, "Check1")->text(), "On Top");
        for (const CatalogueEntry& e : d.entries) {
            SCOPED_TRACE(e.titleBox);
            auto* box = child<QLineEdit>(w, QString::fromStdString(e.titleBox));
            auto* howTo = child<QPushButton>(w, QString::fromStdString(e.button));
            ASSERT_TRUE(box && howTo);
            EXPECT_EQ(box->text().toStdString(), e.title);
            EXPECT_EQ(box->isReadOnly(), e.locked);
            EXPECT_EQ(box->geometry(), pixelRect(d.boxRect(e)));
            EXPECT_EQ(howTo->text(), "How To");
            EXPECT_EQ(howTo->geometry(), pixelRect(d.buttonRect(e)));
            EXPECT_TRUE(howTo->isEnabled()) << "the window is part of this build";
        }
        navigator.close(w);
    }
}

TEST_F(CatalogueTest, EveryButtonOpensTheWindowItsTableNames)
{
    for (const Catalogue& c : kCatalogues) {
        const CatalogueDesign& d = c.design();
        const QString catalogueName = QString::fromStdString(d.name);
        for (const CatalogueEntry& e : d.entries) {
            SCOPED_TRACE(e.button + " -> " + e.opens);
            const QString target = QString::fromStdString(e.opens);
            ASSERT_TRUE(navigator.knows(target));
            shell::ToolWindow* w = navigator.loaded(catalogueName) ? navigator.loaded(catalogueName) : openFromHub(c);
            ASSERT_TRUE(w);
            click(w, QString::fromStdString(e.button));
            shell::ToolWindow* opened = navigator.loaded(target);
            ASSERT_TRUE(opened);
            EXPECT_TRUE(opened->isVisible());
            EXPECT_EQ(opened->objectName(), target);
            EXPECT_FALSE(navigator.loaded(catalogueName)) << "the catalogue unloads";
            EXPECT_EQ(navigator.loadedNames().join(',').toStdString(), "Form1," + e.opens);
            // Closing returns to the catalogue, loaded afresh.
            navigator.close(opened);
            ASSERT_TRUE(navigator.loaded(catalogueName));
            EXPECT_TRUE(navigator.loaded(catalogueName)->isVisible());
        }
        navigator.close(navigator.loaded(catalogueName));
    }
}

TEST_F(CatalogueTest, EscWithAButtonFocusedAndCloseLeadBackToTheHub)
{
    for (const Catalogue& c : kCatalogues) {
        SCOPED_TRACE(c.design().name);
        for (bool byEsc : {true, false}) {
            shell::ToolWindow* w = openFromHub(c);
            ASSERT_TRUE(w);
            w->activateWindow();
            if (byEsc) {
                auto* howTo = child<QPushButton>(w, QString::fromStdString(c.design().entries[1].button));
                howTo->setFocus();
                QTest::keyClick(howTo, Qt::Key_Escape);
            } else {
                click(w, QString::fromStdString(c.design().closeButton));
            }
            EXPECT_FALSE(navigator.loaded(QString::fromStdString(c.design().name)));
            ASSERT_TRUE(navigator.loaded("Form1"));
            EXPECT_TRUE(navigator.loaded("Form1")->isVisible());
        }
    }
}

TEST_F(CatalogueTest, TypedTitlesAreGoneAtTheNextOpeningAndOnTopIsSetAgain)
{
    const Catalogue& c = kCatalogues[0];
    shell::ToolWindow* w = openFromHub(c);
    auto* unlocked = child<QLineEdit>(w, "Text13");
    auto* locked = child<QLineEdit>(w, "Text1");
    QTest::keyClicks(locked, "xyz");
    EXPECT_EQ(locked->text(), "Disc Cache anpassen...");
    unlocked->setText("geändert");
    child<QCheckBox>(w, "Check1")->click();
    EXPECT_FALSE(w->isTopmost());

    click(w, "Command2");
    click(navigator.loaded("reg_balloontips"), "Command3");
    w = navigator.loaded("Regedit");
    ASSERT_TRUE(w);
    EXPECT_EQ(child<QLineEdit>(w, "Text13")->text(), "CD-ROM Autostart Funktion deaktivieren...");
    EXPECT_TRUE(child<QCheckBox>(w, "Check1")->isChecked());
    EXPECT_TRUE(w->isTopmost());
}

TEST_F(CatalogueTest, AnEntryWhoseWindowThisBuildLacksCannotBeOpened)
{
    CatalogueDesign design = regeditCatalogue();
    design.entries.resize(2);
    design.entries[1].opens = "reg_nichtgebaut";
    CatalogueWindow w(design);
    EXPECT_TRUE(child<QPushButton>(&w, QString::fromStdString(design.entries[0].button))->isEnabled());
    EXPECT_FALSE(child<QPushButton>(&w, QString::fromStdString(design.entries[1].button))->isEnabled());
}

TEST_F(CatalogueTest, TheOwlShowsOnlyWhileOwlFlagIsSet)
{
    for (bool flag : {false, true}) {
        modPublicVariables::OwlFlag = flag;
        for (const Catalogue& c : kCatalogues) {
            shell::ToolWindow* w = openFromHub(c);
            ASSERT_TRUE(w);
            EXPECT_EQ(child<QWidget>(w, "WB")->isVisible(), flag) << c.design().name;
            navigator.close(w);
        }
    }
    modPublicVariables::OwlFlag = false;
}

}  // namespace
}  // namespace zw::test

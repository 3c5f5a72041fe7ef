// The editors' own rules, which every record page relies on when it is handed values
// from the module: clamping, no-entry combo boxes, radio groups that take the last
// item, and change signals only for real changes.
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "records/EditorRules.h"
#include "tests/configpage/Print.h"
#include "ui/Flags.h"
#include "ui/widgets/Editors.h"
#include "ui/widgets/RadioGroup.h"

using namespace orvanta;
using ui::CheckListBox;
using ui::ComboBox;
using ui::RadioGroup;
using ui::SpinEdit;

namespace {

TEST(Editors, SpinEditClampsAndSignalsOnlyRealChanges) {
    SpinEdit s("SpinEdit109", 50, 100, 100, 5);
    QSignalSpy changed(&s, &QSpinBox::valueChanged);
    s.setClamped(20);
    EXPECT_EQ(s.value(), 50);
    s.setClamped(-4000000000LL);
    EXPECT_EQ(s.value(), 50);
    s.setClamped(4000000000LL);
    EXPECT_EQ(s.value(), 100);
    s.setClamped(100);
    s.setClamped(73);  // not on a step: kept as given, as the module sent it
    EXPECT_EQ(s.value(), 73);
    EXPECT_EQ(changed.count(), 3);
}

TEST(Editors, RadioGroupTakesThePastEndAsLastAndNegativeAsNone) {
    RadioGroup g("RadioGroup8", "Consumption:", {" L/100km", " km/gal.", " ml/gal.", " km/L"}, 2);
    QSignalSpy changed(&g, &RadioGroup::itemIndexChanged);
    EXPECT_EQ(g.itemIndex(), -1);
    g.setItemIndex(-1);
    EXPECT_EQ(changed.count(), 0);
    g.setItemIndex(6);
    EXPECT_EQ(g.itemIndex(), 3);
    EXPECT_TRUE(g.button(3)->isChecked());
    g.setItemIndex(3);
    g.setItemIndex(200);
    EXPECT_EQ(changed.count(), 1);
    g.setItemIndex(-5);
    EXPECT_EQ(g.itemIndex(), -1);
    for (int i = 0; i < g.count(); ++i) EXPECT_FALSE(g.button(i)->isChecked());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0).toInt(), -1);
    // The user can still pick an item after the group was emptied.
    g.button(1)->click();
    EXPECT_EQ(g.itemIndex(), 1);
    EXPECT_FALSE(g.button(3)->isChecked());
}

TEST(Editors, ComboBoxGivenAnIndexOutsideItsListShowsNoEntry) {
    for (bool editable : {false, true}) {
        SCOPED_TRACE(editable ? "typed into" : "pick only");
        ComboBox b("ComboBox9", {"no boost, no problem ;)", "2.5 bar", "4 bar"}, "2.5 bar", editable);
        QSignalSpy changed(&b, &QComboBox::currentIndexChanged);
        EXPECT_EQ(b.itemIndex(), -1);
        EXPECT_EQ(b.text(), "2.5 bar");  // the start text is shown, no item chosen
        b.setItemIndex(2);
        EXPECT_EQ(b.text(), "4 bar");
        b.setItemIndex(2);
        EXPECT_EQ(changed.count(), 1);
        b.setItemIndex(3);
        EXPECT_EQ(b.itemIndex(), -1);
        EXPECT_EQ(b.text(), "");
        b.setItemIndex(-1);
        EXPECT_EQ(b.text(), "");
        b.setItemIndex(0);
        EXPECT_EQ(b.text(), "no boost, no problem ;)");
        b.setText("");
        EXPECT_EQ(b.itemIndex(), -1);
        EXPECT_EQ(b.text(), "");
        EXPECT_EQ(records::indexByte(b.itemIndex()), 255);
    }
    // A typed text that is not an item selects nothing, even over a selected item.
    ComboBox hw("ComboBox3", {"7", "72", "75"}, "7", true);
    hw.setItemIndex(1);
    hw.setEditText("300");
    EXPECT_EQ(hw.itemIndex(), -1);
    EXPECT_EQ(hw.text(), "300");
    hw.setItemIndex(1);
    EXPECT_EQ(hw.text(), "72");
    EXPECT_EQ(hw.itemIndex(), 1);
}

TEST(Editors, ListWithoutSelectionPacksAs255) {
    CheckListBox l("CheckListBox5", {"OFF Driver door", "OFF Passenger door"});
    EXPECT_EQ(l.itemIndex(), -1);
    EXPECT_EQ(records::indexByte(l.itemIndex()), 255);
    l.setItemIndex(1);
    EXPECT_EQ(l.itemIndex(), 1);
    l.setItemIndex(9);
    EXPECT_EQ(l.itemIndex(), -1);
    l.setChecked(1, true);
    l.setChecked(7, true);  // no such item: nothing happens
    EXPECT_FALSE(l.isChecked(0));
    EXPECT_TRUE(l.isChecked(1));
    EXPECT_FALSE(l.isChecked(7));
}

TEST(Editors, ReplacedItemsKeepWhatTheBoxShows) {
    ComboBox source("ComboBoxEx27", {"1 Русский", "", "3 Lietuvių"}, "3. Язык", false);
    source.setItemIcon(0, ui::flags::languageIcon(0));
    ComboBox picked("ComboBox39", {"old"}, "Type of Display", false);
    ComboBox typed("ComboBox7", {"old"}, "79", true);
    for (ComboBox* target : {&picked, &typed}) {
        target->setItemIndex(-1);
        target->setText(target == &picked ? "Type of Display" : "79");
        ui::replaceItems(target, &source);
        EXPECT_EQ(target->items(), source.items());
        EXPECT_EQ(target->itemIndex(), -1);
        EXPECT_FALSE(target->itemIcon(0).isNull());
    }
    EXPECT_EQ(picked.text(), "Type of Display");
    EXPECT_EQ(typed.text(), "79");
}

TEST(Flags, EveryLanguageHasItsOwnPicture) {
    ASSERT_EQ(ui::flags::languageCount(), 27);
    std::vector<QImage> seen;
    for (int i = 0; i < ui::flags::languageCount(); ++i) {
        const QImage img = ui::flags::languageFlag(i).toImage();
        EXPECT_EQ(img.size(), QSize(24, 16));
        seen.push_back(img);
    }
    // English and UK share the union flag; every other pair differs.
    for (size_t a = 0; a < seen.size(); ++a)
        for (size_t b = a + 1; b < seen.size(); ++b)
            if (!(a == 1 && b == 6)) {
                EXPECT_TRUE(seen[a] != seen[b]) << a << " and " << b;
            }
}

}  // namespace

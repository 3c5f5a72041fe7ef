// The window's frame: caption, size, the tab row before and after connecting, the
// status bar's menu.
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "tests/support/WindowHarness.h"

using namespace orvanta;
using test::WindowHarness;

namespace {

const std::vector<std::pair<std::string, bool>> kTabs = {
    {"Config", true},          {"Screen Setup", true},     {"Extra Coding", true},
    {"TurboTimer", true},      {"Desktop", true},          {"IMZ Disk Image Loader", true},
    {"Transmission", true},    {"Keys emul", false},       {"Firmware load", false},
    {"Diagnostics", false},    {"TabSheet17", false},      {"User Calibration", true},
    {"Maintenance", true},     {"AutoDiag Setup", true},   {"Protected settings", false},
    {"Extended", true},        {"PDC ", true},             {"Installer", true},
};

std::vector<std::pair<std::string, bool>> tabRow(QTabWidget* pages) {
    std::vector<std::pair<std::string, bool>> row;
    for (int i = 0; i < pages->count(); ++i) row.emplace_back(pages->tabText(i).toStdString(), pages->isTabVisible(i));
    return row;
}

TEST(WindowFrame, CaptionSizeAndPlace) {
    WindowHarness h;
    EXPECT_EQ(h.window().windowTitle(), "Shell Orvanta (HW ver. 7.x)  22/02/2026");
    EXPECT_EQ(h.window().size(), QSize(1201, 720));
    EXPECT_EQ(h.window().pos(), QPoint(0, 0));
}

TEST(WindowFrame, NeverShownTabsStayOutOfTheRowAlsoAfterConnecting) {
    WindowHarness h;
    auto* pages = h.find<QTabWidget>("cxPageControl1");
    ASSERT_TRUE(pages);
    EXPECT_EQ(tabRow(pages), kTabs);
    EXPECT_FALSE(pages->widget(8)->isEnabled()) << "\"Firmware load\" is disabled";
    ASSERT_TRUE(h.connect());
    EXPECT_EQ(tabRow(pages), kTabs);
    EXPECT_EQ(pages->currentIndex(), 0);

    // The status bar's only menu item changes nothing that can be seen.
    auto* menu = h.find<QMenu>("PopupMenu1");
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Visible");
    menu->actions()[0]->trigger();
    EXPECT_EQ(tabRow(pages), kTabs);
}

}  // namespace

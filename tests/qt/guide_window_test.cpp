// The guide: its files hold no number of their own (every number is filled
// in from the game's rules), every page is listed and loads, a search by
// word finds its pages, Shift+F1's page is the one that explains the page in
// front, its headings are headings to a screen reader, and a missing guide
// gives a message instead of a failure.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "core/layout_table.h"
#include "game/guide_numbers.h"
#include "ui/guide/guide_window.h"

namespace splat::ui {
namespace {

const std::filesystem::path kGuide = std::filesystem::path(SPLAT_ASSETS_DIR) / "guide";

GuideBook shippedGuide() {
    return loadGuide(kGuide, [](std::string_view text) { return fillGuide(text); });
}

TEST(Guide, FilesStateNoNumberOfTheirOwnAndEveryNameIsKnown) {
    // Keys and the swap buttons' captions are the only digits a page writes.
    const std::regex keyTokens(R"(F[0-9]+|Alt\+[0-9]|"[0-9]-[0-9]")");
    const std::regex placeholder(R"(\{\{[^}]*\}\})");
    std::set<std::string> onDisk;
    for (const auto& entry : std::filesystem::directory_iterator(kGuide))
        if (entry.path().extension() == ".md") onDisk.insert(entry.path().filename().string());
    const GuideBook book = shippedGuide();
    ASSERT_TRUE(book.error.empty()) << book.error;
    std::set<std::string> listed;
    for (const GuidePage& page : book.pages) {
        listed.insert(page.file);
        std::ifstream in(kGuide / page.file);
        std::stringstream raw;
        raw << in.rdbuf();
        const std::string bare =
            std::regex_replace(std::regex_replace(raw.str(), placeholder, ""), keyTokens, "");
        EXPECT_EQ(bare.find_first_of("0123456789"), std::string::npos)
            << page.file
            << " writes a number of its own: " << bare.substr(bare.find_first_of("0123456789"), 40);
        std::vector<std::string> unknown;
        fillGuide(raw.str(), &unknown);
        EXPECT_TRUE(unknown.empty()) << page.file << " names " << (unknown.empty() ? "" : unknown.front());
        EXPECT_NE(page.title, page.file) << page.file << " has no heading";
    }
    EXPECT_EQ(listed, onDisk);
    // Every page of the main window is explained by one guide page.
    for (const std::string& mainPage : mainPages()) {
        int explaining = 0;
        for (const GuidePage& page : book.pages) explaining += page.mainPage == mainPage ? 1 : 0;
        EXPECT_EQ(explaining, 1) << mainPage;
    }
}

TEST(Guide, SearchFindsAWordAndShiftF1ShowsThePageInFront) {
    GuideWindow guide(shippedGuide());
    const int found = guide.search(QStringLiteral("theft"));
    ASSERT_GE(found, 1);
    EXPECT_TRUE(pageHolds(guide.book().pages[static_cast<size_t>(guide.pageShown())], "Theft"));
    EXPECT_EQ(guide.search(QStringLiteral("zzznothing")), 0);
    EXPECT_EQ(guide.search(QString()), static_cast<int>(guide.book().pages.size()));

    guide.openAt("TabSheet3");
    EXPECT_EQ(guide.book().pages[static_cast<size_t>(guide.pageShown())].mainPage, "TabSheet3");
    // The page's first heading is a heading to a screen reader, named by its
    // text.
    int headings = 0;
    for (QLabel* label : guide.findChildren<QLabel*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
        if (a != nullptr && a->role() == QAccessible::Heading) {
            ++headings;
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty());
        }
    }
    EXPECT_GE(headings, 2);
    guide.close();
}

TEST(Guide, AMissingGuideSaysSo) {
    const GuideBook book = loadGuide(std::filesystem::path(), {});
    EXPECT_TRUE(book.pages.empty());
    EXPECT_FALSE(book.error.empty());
    GuideWindow guide(book);
    guide.openAt("TabSheet1");
    EXPECT_EQ(guide.search(QStringLiteral("theft")), 0);
    bool told = false;
    for (QLabel* label : guide.findChildren<QLabel*>())
        told = told || label->text().contains("could not be found");
    EXPECT_TRUE(told);
    guide.close();
}

}  // namespace
}  // namespace splat::ui

#pragma once
// The guide's pages as files: the list of pages (contents.txt: a file and the
// main window's page it explains on each line), each page's text in simple
// Markdown with the game's numbers filled in, and the search by word. A
// missing folder or file gives a message to show, never a failure.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace splat::ui {

struct GuidePage {
    std::string file;      // "training.md"
    std::string mainPage;  // the main window's page it explains ("TabSheet3"), or ""
    std::string title;     // its first heading
    std::string text;      // Markdown, numbers filled in
};

struct GuideBook {
    std::vector<GuidePage> pages;
    std::string error;  // what went wrong, for the player; "" when all is well
};

// Fills the game's numbers into a page's text.
using GuideFiller = std::function<std::string(std::string_view)>;

// The pages in `folder`; an unreadable contents list gives no pages and an
// error, a missing page file a page that says so.
GuideBook loadGuide(const std::filesystem::path& folder, const GuideFiller& fill);

// The first "guide" folder with a contents list among `assetFolders`; ""
// when there is none.
std::string findGuideFolder(const std::vector<std::string>& assetFolders);

// Whether `page` holds `word` (letters compared without case).
bool pageHolds(const GuidePage& page, std::string_view word);

}  // namespace splat::ui

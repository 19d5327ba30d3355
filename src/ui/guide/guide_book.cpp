#include "ui/guide/guide_book.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace splat::ui {
namespace {

bool readFile(const std::filesystem::path& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    out = text.str();
    return true;
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string titleOf(const std::string& text, const std::string& fallback) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("# ", 0) == 0) return line.substr(2);
    }
    return fallback;
}

}  // namespace

GuideBook loadGuide(const std::filesystem::path& folder, const GuideFiller& fill) {
    GuideBook book;
    std::string contents;
    if (folder.empty() || !readFile(folder / "contents.txt", contents)) {
        book.error =
            "The guide could not be found. Its files belong in the folder \"guide\" beside the "
            "game's pictures; reinstalling the game puts them back.";
        return book;
    }
    std::istringstream lines(contents);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        GuidePage page;
        fields >> page.file >> page.mainPage;
        if (page.file.empty() || page.file.find('/') != std::string::npos) continue;
        if (page.mainPage == "-") page.mainPage.clear();
        std::string raw;
        if (readFile(folder / page.file, raw)) {
            page.text = fill ? fill(raw) : raw;
        } else {
            page.text = "# " + page.file + "\n\nThis page of the guide is missing (" + page.file + ").\n";
        }
        page.title = titleOf(page.text, page.file);
        book.pages.push_back(std::move(page));
    }
    if (book.pages.empty()) book.error = "The guide's list of pages is empty.";
    return book;
}

std::string findGuideFolder(const std::vector<std::string>& assetFolders) {
    for (const std::string& folder : assetFolders) {
        const std::filesystem::path guide = std::filesystem::path(folder) / "guide";
        std::error_code ec;
        if (std::filesystem::is_regular_file(guide / "contents.txt", ec)) return guide.string();
    }
    return {};
}

bool pageHolds(const GuidePage& page, std::string_view word) {
    const std::string w = lower(word);
    return !w.empty() && lower(page.text).find(w) != std::string::npos;
}

}  // namespace splat::ui

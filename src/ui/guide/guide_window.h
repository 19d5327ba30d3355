#pragma once
// The guide: a window of its own beside the game (not modal), with the list
// of pages, a search by word and the page shown as headings, paragraphs,
// lists and tables, each a stop of the Tab chain that a screen reader reads,
// the headings as headings.

#include <QWidget>
#include <string>
#include <string_view>

#include "ui/guide/guide_book.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QVBoxLayout;

namespace splat::ui {

class GuideWindow : public QWidget {
    Q_OBJECT
public:
    explicit GuideWindow(GuideBook book, QWidget* parent = nullptr);

    // Shows the guide in front, at the page that explains the main window's
    // page `mainPage` ("" keeps the page shown).
    void openAt(std::string_view mainPage);
    // Keeps in the contents only the pages that hold `word` and shows the
    // first of them; returns how many hold it (an empty word shows all).
    int search(const QString& word);

    int pageShown() const { return shown_; }
    const GuideBook& book() const { return book_; }

private:
    void showPage(int index);

    GuideBook book_;
    int shown_ = -1;
    QListWidget* contents_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QLabel* searchResult_ = nullptr;
    QScrollArea* scroll_ = nullptr;
};

// Makes the guide's headings headings for a screen reader; safe to call more
// than once.
void installGuideRoles();

}  // namespace splat::ui

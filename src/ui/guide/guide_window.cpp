#include "ui/guide/guide_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <sstream>

#include "core/game_title.h"
#include "core/layout_table.h"
#include "ui/access/named_accessible.h"
#include "ui/widgets/theme.h"

namespace splat::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A heading of a guide page. A screen reader's view of a widget is kept from
// the first time it is asked for, which a label's constructor already does:
// the parent and the text come once the heading is a heading.
class GuideHeading : public QLabel {
public:
    GuideHeading(const QString& text, int level, QWidget* parent) : level_(level) {
        setParent(parent);
        setText(text);
    }
    int level() const { return level_; }

private:
    int level_;
};

QAccessibleInterface* guideRoles(const QString& key, QObject* object) {
    // The heading has no class name of its own: the key is its base's.
    if (key == QLatin1String("QLabel") && dynamic_cast<GuideHeading*>(object) != nullptr) {
        return new NamedAccessible<QLabel>(static_cast<QLabel*>(object), QAccessible::Heading, &QLabel::text);
    }
    return nullptr;
}

// Inline Markdown of a line: **bold** and the HTML special characters.
QString inlineHtml(const QString& text) {
    QString out = text.toHtmlEscaped();
    bool open = false;
    qsizetype at = 0;
    while ((at = out.indexOf(QStringLiteral("**"), at)) >= 0) {
        out.replace(at, 2, open ? QStringLiteral("</b>") : QStringLiteral("<b>"));
        open = !open;
    }
    return out;
}

QString plain(const QString& text) { return QString(text).remove(QStringLiteral("**")); }

// A block of text the reader and the Tab chain stop at.
QLabel* block(QWidget* parent, const QString& html, const QString& spoken) {
    auto* label = new QLabel(html, parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAccessibleName(spoken);
    return label;
}

// The page's Markdown as widgets: "#"/"##" headings, "- " list items, "|"
// table rows, and paragraphs of the lines between blank lines.
void buildPage(QVBoxLayout* layout, QWidget* parent, const std::string& text) {
    std::istringstream lines(text);
    std::string raw;
    QStringList paragraph;
    QList<QStringList> table;
    const auto flushParagraph = [&] {
        if (paragraph.isEmpty()) return;
        const QString joined = paragraph.join(QLatin1Char(' '));
        const bool item = joined.startsWith(QStringLiteral("- "));
        const QString body = item ? joined.mid(2) : joined;
        layout->addWidget(
            block(parent, (item ? QStringLiteral("&bull; ") : QString()) + inlineHtml(body), plain(body)));
        paragraph.clear();
    };
    const auto flushTable = [&] {
        if (table.isEmpty()) return;
        QString html = QStringLiteral("<table cellspacing='0' cellpadding='3' border='1'>");
        QStringList spoken;
        for (int r = 0; r < table.size(); ++r) {
            html += QStringLiteral("<tr>");
            for (const QString& cell : table[r])
                html += (r == 0 ? QStringLiteral("<th>") : QStringLiteral("<td>")) + inlineHtml(cell) +
                        (r == 0 ? QStringLiteral("</th>") : QStringLiteral("</td>"));
            html += QStringLiteral("</tr>");
            if (r > 0) {
                QStringList cells;
                for (int c = 0; c < table[r].size() && c < table[0].size(); ++c)
                    cells << (c == 0 ? table[r][c] : table[0][c] + QStringLiteral(": ") + table[r][c]);
                spoken << cells.join(QStringLiteral(", "));
            }
        }
        html += QStringLiteral("</table>");
        QLabel* t = block(parent, html, QStringLiteral("Table: ") + table[0].join(QStringLiteral(", ")));
        t->setAccessibleDescription(spoken.join(QStringLiteral(". ")));
        layout->addWidget(t);
        table.clear();
    };
    while (std::getline(lines, raw)) {
        const QString line = qs(raw).trimmed();
        if (line.startsWith(QLatin1Char('|'))) {
            flushParagraph();
            QStringList cells = line.mid(1, line.size() - 2).split(QLatin1Char('|'));
            for (QString& c : cells) c = c.trimmed();
            if (!cells.isEmpty() && cells[0].startsWith(QStringLiteral("---"))) continue;
            table << cells;
            continue;
        }
        flushTable();
        if (line.isEmpty()) {
            flushParagraph();
        } else if (line.startsWith(QLatin1Char('#'))) {
            flushParagraph();
            const int level = line.startsWith(QStringLiteral("##")) ? 2 : 1;
            auto* heading = new GuideHeading(line.mid(level).trimmed(), level, parent);
            heading->setFont(theme::styledFont(level == 1 ? (Heading | Bold) : (Larger | Bold)));
            heading->setStyleSheet(
                QStringLiteral("color: %1; margin-top: 8px;").arg(theme::kAccentDark.name()));
            heading->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
            heading->setFocusPolicy(Qt::StrongFocus);
            heading->setWordWrap(true);
            layout->addWidget(heading);
        } else if (line.startsWith(QStringLiteral("- "))) {
            flushParagraph();
            paragraph << line;
        } else {
            paragraph << line;
        }
    }
    flushTable();
    flushParagraph();
    layout->addStretch(1);
}

}  // namespace

void installGuideRoles() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&guideRoles);
}

GuideWindow::GuideWindow(GuideBook book, QWidget* parent)
    : QWidget(parent, Qt::Window), book_(std::move(book)) {
    installGuideRoles();
    setObjectName(QStringLiteral("guideWindow"));
    setWindowTitle(QStringLiteral("How to play - ") + QString::fromUtf8(kGameTitle));
    setAccessibleName(QStringLiteral("How to play"));
    resize(860, 620);
    setStyleSheet(QStringLiteral("QWidget#guideWindow { background: %1; }"
                                 "QLabel#guideSide { color: white; font-weight: bold; }"
                                 "QWidget#guidePage { background: white; color: %2; }")
                      .arg(theme::kNavy.name(), theme::kInk.name()));

    auto* side = new QVBoxLayout;
    auto* contentsLabel = new QLabel(QStringLiteral("&Contents"), this);
    contentsLabel->setObjectName(QStringLiteral("guideSide"));
    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("guideContents"));
    contents_->setAccessibleName(QStringLiteral("Contents"));
    contents_->setMinimumWidth(260);
    contentsLabel->setBuddy(contents_);
    for (const GuidePage& p : book_.pages) contents_->addItem(qs(p.title));
    auto* searchLabel = new QLabel(QStringLiteral("&Search"), this);
    searchLabel->setObjectName(QStringLiteral("guideSide"));
    searchField_ = new QLineEdit(this);
    searchField_->setObjectName(QStringLiteral("guideSearch"));
    searchField_->setAccessibleName(QStringLiteral("Search the guide"));
    searchField_->setPlaceholderText(QStringLiteral("a word, then Enter"));
    searchField_->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchField_);
    searchResult_ = new QLabel(this);
    searchResult_->setObjectName(QStringLiteral("guideSide"));
    searchResult_->setWordWrap(true);
    side->addWidget(contentsLabel);
    side->addWidget(contents_, 1);
    side->addWidget(searchLabel);
    side->addWidget(searchField_);
    side->addWidget(searchResult_);

    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setAccessibleName(QStringLiteral("Guide page"));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side, 1);
    layout->addWidget(scroll_, 3);

    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) showPage(row);
    });
    connect(searchField_, &QLineEdit::returnPressed, this, [this] { search(searchField_->text()); });
    connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) search(text);
    });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        searchField_->setFocus();
        searchField_->selectAll();
    });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    if (!book_.error.empty() || book_.pages.empty()) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("guidePage"));
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(block(page, qs(book_.error).toHtmlEscaped(), qs(book_.error)));
        pageLayout->addStretch(1);
        scroll_->setWidget(page);
    } else {
        contents_->setCurrentRow(0);
    }
}

void GuideWindow::showPage(int index) {
    if (index < 0 || index >= static_cast<int>(book_.pages.size())) return;
    shown_ = index;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("guidePage"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(18, 12, 18, 12);
    buildPage(layout, page, book_.pages[static_cast<size_t>(index)].text);
    scroll_->setWidget(page);  // the page shown before is deleted
    if (contents_->currentRow() != index) contents_->setCurrentRow(index);
}

void GuideWindow::openAt(std::string_view mainPage) {
    for (size_t i = 0; !mainPage.empty() && i < book_.pages.size(); ++i) {
        if (book_.pages[i].mainPage == mainPage) {
            contents_->item(static_cast<int>(i))->setHidden(false);
            showPage(static_cast<int>(i));
            break;
        }
    }
    show();
    raise();
    activateWindow();
}

int GuideWindow::search(const QString& word) {
    const std::string w = word.trimmed().toStdString();
    int found = 0;
    int first = -1;
    for (size_t i = 0; i < book_.pages.size(); ++i) {
        const bool holds = w.empty() || pageHolds(book_.pages[i], w);
        contents_->item(static_cast<int>(i))->setHidden(!holds);
        if (holds) {
            ++found;
            if (first < 0) first = static_cast<int>(i);
        }
    }
    if (w.empty()) {
        searchResult_->clear();
        return found;
    }
    searchResult_->setText(found == 0 ? QStringLiteral("No page holds \"%1\".").arg(word.trimmed())
                                      : QStringLiteral("%1 of %2 pages hold \"%3\".")
                                            .arg(found)
                                            .arg(book_.pages.size())
                                            .arg(word.trimmed()));
    searchResult_->setAccessibleName(searchResult_->text());
    if (first >= 0) showPage(first);
    return found;
}

}  // namespace splat::ui

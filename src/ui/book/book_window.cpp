#include "ui/book/book_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/layout_table.h"
#include "ui/book/book_chart.h"
#include "ui/book/book_tables.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/theme.h"

namespace splat::ui {

namespace {

enum Tab { kTable, kResults, kLedger, kSquad, kMatches };

QLabel* caption(const QString& text, QWidget* parent, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setFont(theme::styledFont(splat::Bold));
    label->setBuddy(buddy);
    return label;
}

// A caption naming `w` (its mnemonic takes the focus there) above `w`.
QLabel* addCaptioned(QVBoxLayout* box, const QString& text, QWidget* w, int stretch = 0) {
    QLabel* label = caption(text, box->parentWidget(), w);
    box->addWidget(label);
    box->addWidget(w, stretch);
    return label;
}

QWidget* page(QTabWidget* tabs, const QString& title, const QString& description) {
    auto* w = new QWidget(tabs);
    w->setAccessibleName(title);
    w->setAccessibleDescription(description);
    const int index = tabs->addTab(w, title);
    tabs->setTabToolTip(index, description);
    return w;
}

}  // namespace

QTableWidget* BookWindow::table(const QString& name) {
    auto* t = new QTableWidget(this);
    t->setObjectName(name);
    t->setAccessibleName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectItems);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setTabKeyNavigation(false);  // Tab leaves the table, arrows walk its cells
    t->setAlternatingRowColors(true);
    t->verticalHeader()->setVisible(false);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setHighlightSections(false);
    return t;
}

BookWindow::BookWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("seasonBook"));
    setWindowTitle(QStringLiteral("Season book"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    setModal(false);
    setSizeGripEnabled(true);
    resize(860, 680);

    tabs_ = new QTabWidget(this);
    tabs_->setAccessibleName(QStringLiteral("Season book sections"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(tabs_);

    QWidget* t = page(tabs_, QStringLiteral("Table"),
                      QStringLiteral("The league table now and past seasons' final tables"));
    table_ = table(QStringLiteral("League table"));
    seasons_ = table(QStringLiteral("Final tables of past seasons"));
    strength_ = new QLabel(t);
    auto* tl = new QVBoxLayout(t);
    tl->addWidget(strength_);
    addCaptioned(tl, QStringLiteral("&League table"), table_, 3);
    addCaptioned(tl, QStringLiteral("&Past seasons"), seasons_, 2);

    QWidget* r = page(tabs_, QStringLiteral("Results and fixtures"),
                      QStringLiteral("This week's pairings and every result so far"));
    fixtures_ = table(QStringLiteral("This week's pairings"));
    results_ = table(QStringLiteral("Results, latest first"));
    auto* rl = new QVBoxLayout(r);
    addCaptioned(rl, QStringLiteral("&This week's pairings"), fixtures_);
    addCaptioned(rl, QStringLiteral("&Results, latest first"), results_, 3);
    club_ = table(QStringLiteral("Squad of the chosen club"));
    clubTitle_ =
        addCaptioned(rl, QStringLiteral("&Squad: Enter or a click on a club shows its players"), club_);
    // Pairings and a squad are five rows each, shown whole.
    for (QTableWidget* five : {fixtures_, club_})
        five->setFixedHeight(6 * five->verticalHeader()->defaultSectionSize() + 8);
    fixtures_->setAccessibleDescription(QStringLiteral("Enter on a club shows its squad below"));
    results_->setAccessibleDescription(fixtures_->accessibleDescription());
    for (auto [list, away] : {std::pair{fixtures_, 1}, std::pair{results_, 4}}) {
        auto* teams = list == fixtures_ ? &fixtureTeams_ : &resultTeams_;
        auto choose = [this, teams, away](int row, int column) { showClub(*teams, row, column, away); };
        connect(list, &QTableWidget::cellActivated, this, choose);
        connect(list, &QTableWidget::cellClicked, this, choose);
    }

    QWidget* l = page(
        tabs_, QStringLiteral("Ledger"),
        QStringLiteral("Every income and expense, the week's totals, the balance and next week's forecast"));
    forecast_ = new QLabel(l);
    forecast_->setWordWrap(true);
    forecast_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    forecast_->setFocusPolicy(Qt::StrongFocus);
    forecast_->setAccessibleName(QStringLiteral("Forecast"));
    chart_ = new BookChart(l);
    chartNumbers_ = table(QStringLiteral("Cash and place by week"));
    ledger_ = table(QStringLiteral("Ledger"));
    auto* ll = new QVBoxLayout(l);
    ll->addWidget(forecast_);
    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(chart_, 3);
    chartRow->addWidget(chartNumbers_, 1);
    ll->addLayout(chartRow, 2);
    addCaptioned(ll, QStringLiteral("&Ledger"), ledger_, 3);

    QWidget* s = page(tabs_, QStringLiteral("Squad progress"),
                      QStringLiteral("Your players' ratings week by week, with training gains and boosts"));
    squad_ = table(QStringLiteral("Squad progress, latest first"));
    auto* sl = new QVBoxLayout(s);
    sl->addWidget(squad_);

    QWidget* m =
        page(tabs_, QStringLiteral("Match reports"), QStringLiteral("The whole play-by-play of each match"));
    matchList_ = new QComboBox(m);
    matchList_->setAccessibleName(QStringLiteral("Match"));
    lines_ = table(QStringLiteral("Play-by-play"));
    auto* ml = new QVBoxLayout(m);
    addCaptioned(ml, QStringLiteral("&Match:"), matchList_);
    ml->addWidget(lines_, 1);
    connect(matchList_, &QComboBox::currentIndexChanged, this, &BookWindow::showMatch);
}

void BookWindow::show(const BookPages& book) {
    using namespace book;
    const QString weeks = QString::number(book.weeks.size());
    const QString key[5] = {
        weeks + QLatin1Char('/') + QString::number(book.seasons.size()) + qs(book.clubName),
        weeks + QLatin1Char('/') + QString::number(book.now.week),
        QString::number(book.ledger.size()) + QLatin1Char('/') + weeks + qs(book.forecast.text) +
            QString::number(book.forecast.cash) + QLatin1Char('/') + QString::number(book.forecast.sureCosts),
        weeks,
        QString::number(book.matches.size()) + QLatin1Char('/') +
            QString::number(book.matches.empty() ? 0 : book.matches.back().lines.size()),
    };
    if (key[kTable] != shown_[kTable]) {
        int ours = 0;
        for (const TableRow& row : book.table) ours = row.team == 1 ? row.strength : ours;
        strength_->setText(QStringLiteral("Your club's strength: %1; the league's average: %2")
                               .arg(ours)
                               .arg(book.leagueStrength));
        fill(*table_, leagueTable(book.table));
        fill(*seasons_, pastSeasons(book.seasons));
    }
    if (key[kResults] != shown_[kResults]) {
        fill(*fixtures_, fixtures(book.fixtures));
        fill(*results_, results(book.weeks));
        fixtureTeams_.clear();
        for (const GameResult& g : book.fixtures) fixtureTeams_.emplace_back(g.home, g.away);
        resultTeams_.clear();
        for (auto w = book.weeks.rbegin(); w != book.weeks.rend(); ++w) {
            for (const GameResult& g : w->results) resultTeams_.emplace_back(g.home, g.away);
        }
        clubs_ = book.clubs;
        clubNames_.assign(clubs_.size() + 1, QString());
        for (const TableRow& row : book.table) {
            if (row.team >= 1 && row.team <= static_cast<int>(clubs_.size()))
                clubNames_[row.team] = qs(row.name);
        }
    }
    if (key[kLedger] != shown_[kLedger]) {
        forecast_->setText(forecastText(book.forecast));
        forecast_->setAccessibleDescription(forecast_->text());
        std::vector<BookChart::Point> points;
        for (const WeekRecord& w : book.weeks)
            points.push_back({QStringLiteral("%1/%2").arg(w.when.season).arg(w.when.week), w.cash, w.place});
        chart_->setPoints(std::move(points));
        fill(*chartNumbers_, cashAndPlace(book.weeks));
        fill(*ledger_, ledger(book));
    }
    if (key[kSquad] != shown_[kSquad]) fill(*squad_, squadProgress(book.weeks));
    if (key[kMatches] != shown_[kMatches]) {
        const bool followLast =
            matchList_->currentIndex() < 0 || matchList_->currentIndex() + 1 == matchList_->count();
        matches_ = book.matches;
        const QSignalBlocker quiet(matchList_);
        const int keep = matchList_->currentIndex();
        matchList_->clear();
        for (const MatchReport& match : matches_) matchList_->addItem(matchTitle(match));
        const int index = followLast ? matchList_->count() - 1 : keep;
        matchList_->setCurrentIndex(index);
        showMatch(index);
    }
    for (int i = 0; i < 5; ++i) shown_[static_cast<size_t>(i)] = key[i];
}

void BookWindow::showClub(const std::vector<std::pair<int, int>>& games, int row, int column, int awayColumn) {
    if (row < 0 || row >= static_cast<int>(games.size())) return;
    const int team =
        column >= awayColumn ? games[static_cast<size_t>(row)].second : games[static_cast<size_t>(row)].first;
    if (team < 1 || team > static_cast<int>(clubs_.size())) return;
    clubTitle_->setText(QStringLiteral("&Squad of ") + clubNames_[static_cast<size_t>(team)]);
    club_->setAccessibleName(QStringLiteral("Squad of ") + clubNames_[static_cast<size_t>(team)]);
    book::fill(*club_, book::clubSquad(clubs_[static_cast<size_t>(team - 1)]));
}

void BookWindow::showMatch(int index) {
    if (index < 0 || index >= static_cast<int>(matches_.size())) {
        book::fill(*lines_, book::playByPlay(MatchReport{}));
        return;
    }
    book::fill(*lines_, book::playByPlay(matches_[static_cast<size_t>(index)]));
}

void BookWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(rect().topLeft(), rect().bottomLeft());
    g.setColorAt(0, QColor(0xf7, 0xf9, 0xfc));
    g.setColorAt(1, QColor(0xdf, 0xe7, 0xf0));
    p.fillRect(rect(), g);
}

}  // namespace splat::ui

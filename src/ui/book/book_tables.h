#pragma once
// The book's records as the rows of its tables: what each tab lists, cell by
// cell, and the filling of a table that keeps the reader's place.

#include <QString>
#include <QStringList>
#include <vector>

#include "core/book_records.h"

class QTableWidget;

namespace splat::ui::book {

struct Row {
    QStringList cells{};
    bool ours = false;   // the player's club: marked
    bool total = false;  // a week's total in the ledger
};

struct Rows {
    QStringList headers;
    std::vector<Row> rows{};
    QString oursSaid{};  // what a screen reader hears after a marked row's first cell
};

Rows leagueTable(const std::vector<TableRow>& table);
Rows pastSeasons(const std::vector<SeasonRecord>& seasons);
Rows fixtures(const std::vector<GameResult>& fixtures);
Rows results(const std::vector<WeekRecord>& weeks);
Rows ledger(const BookPages& book);
Rows cashAndPlace(const std::vector<WeekRecord>& weeks);
Rows squadProgress(const std::vector<WeekRecord>& weeks);
Rows playByPlay(const MatchReport& match);
Rows clubSquad(const std::vector<SquadLine>& squad);
// "Season 1, week 3: Boston Guns": one match in the list of reports.
QString matchTitle(const MatchReport& match);
// What the ledger's top line says: next week's sure costs and income, and
// the warning.
QString forecastText(const Forecast& forecast);

// Writes `rows` into `table`: one row per row, each cell read with its
// column's header; the player's rows bold and tinted. The current cell and
// the scroll stay where they were.
void fill(QTableWidget& table, const Rows& rows);

}  // namespace splat::ui::book

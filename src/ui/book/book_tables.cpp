#include "ui/book/book_tables.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "ui/widgets/qt_text.h"
#include "ui/widgets/theme.h"

namespace splat::ui::book {

namespace {

QString num(qint64 v) { return QString::number(v); }
QString money(qint64 v) { return v < 0 ? QStringLiteral("-$%1").arg(-v) : QStringLiteral("$%1").arg(v); }
QString signedNum(qint64 v) { return v > 0 ? QStringLiteral("+%1").arg(v) : num(v); }
QString when(const BookWeek& w) { return QStringLiteral("%1/%2").arg(w.season).arg(w.week); }

Row tableRow(int place, const TableRow& r) {
    return {{num(place), qs(r.name), num(r.games), num(r.wins), num(r.ties), num(r.losses), num(r.points),
             num(r.strength)},
            r.team == 1};
}

const QStringList kTableHeaders{QStringLiteral("Place"),  QStringLiteral("Club"),    QStringLiteral("Games"),
                                QStringLiteral("Wins"),   QStringLiteral("Ties"),    QStringLiteral("Losses"),
                                QStringLiteral("Points"), QStringLiteral("Strength")};

// A cell that holds a count or an amount (set to the right).
bool isNumber(const QString& text) {
    return !text.isEmpty() && (text[0].isDigit() || text[0] == u'$' || text[0] == u'-' || text[0] == u'+');
}

}  // namespace

Rows leagueTable(const std::vector<TableRow>& table) {
    Rows out{kTableHeaders, {}, QStringLiteral("your club")};
    int place = 0;
    for (const TableRow& r : table) out.rows.push_back(tableRow(++place, r));
    return out;
}

Rows pastSeasons(const std::vector<SeasonRecord>& seasons) {
    Rows out{QStringList{QStringLiteral("Season")} + kTableHeaders, {}, QStringLiteral("your club")};
    for (const SeasonRecord& s : seasons) {
        int place = 0;
        for (const TableRow& r : s.table) {
            Row row = tableRow(++place, r);
            row.cells.prepend(num(s.season));
            out.rows.push_back(row);
        }
    }
    return out;
}

Rows fixtures(const std::vector<GameResult>& fixtures) {
    Rows out{{QStringLiteral("Home"), QStringLiteral("Away")}, {}, QStringLiteral("your game")};
    for (const GameResult& g : fixtures) out.rows.push_back({{qs(g.homeName), qs(g.awayName)}, g.ours});
    return out;
}

Rows results(const std::vector<WeekRecord>& weeks) {
    Rows out{{QStringLiteral("Season"), QStringLiteral("Week"), QStringLiteral("Home"), QStringLiteral("Score"),
              QStringLiteral("Away")},
             {},
             QStringLiteral("your game")};
    for (auto w = weeks.rbegin(); w != weeks.rend(); ++w) {
        for (const GameResult& g : w->results) {
            out.rows.push_back({{num(w->when.season), num(w->when.week), qs(g.homeName),
                                 QStringLiteral("%1 : %2").arg(g.homeScore).arg(g.awayScore), qs(g.awayName)},
                                g.ours});
        }
    }
    return out;
}

Rows ledger(const BookPages& book) {
    Rows out{{QStringLiteral("Season"), QStringLiteral("Week"), QStringLiteral("Item"),
              QStringLiteral("Amount"), QStringLiteral("Balance")},
             {}};
    size_t nextWeek = 0;
    qint64 total = 0;
    for (size_t i = 0; i < book.ledger.size(); ++i) {
        const LedgerEntry& e = book.ledger[i];
        out.rows.push_back({{num(e.when.season), num(e.when.week), QString::fromUtf8(cashKindName(e.kind)),
                             money(e.amount), money(e.balance)}});
        total += e.amount;
        const bool lastOfWeek = i + 1 == book.ledger.size() || !(book.ledger[i + 1].when == e.when);
        while (lastOfWeek && nextWeek < book.weeks.size() && book.weeks[nextWeek].when == e.when) {
            const WeekRecord& w = book.weeks[nextWeek++];
            Row sum{{num(w.when.season), num(w.when.week), QStringLiteral("Week's total"), money(total),
                     money(w.cash)}};
            sum.total = true;
            out.rows.push_back(sum);
        }
        if (lastOfWeek) total = 0;
    }
    return out;
}

Rows cashAndPlace(const std::vector<WeekRecord>& weeks) {
    Rows out{{QStringLiteral("Week"), QStringLiteral("Cash"), QStringLiteral("Place")}, {}};
    for (const WeekRecord& w : weeks) out.rows.push_back({{when(w.when), money(w.cash), num(w.place)}});
    return out;
}

Rows squadProgress(const std::vector<WeekRecord>& weeks) {
    Rows out{{QStringLiteral("Week"), QStringLiteral("Player"), QStringLiteral("Shooting"),
              QStringLiteral("Trained"), QStringLiteral("Tactics"), QStringLiteral("Trained"),
              QStringLiteral("Boosts")},
             {},
             QStringLiteral("trained up")};
    for (auto w = weeks.rbegin(); w != weeks.rend(); ++w) {
        for (const SquadLine& l : w->squad) {
            const QString boosts = l.shootingBoost == 0 && l.tacticsBoost == 0
                                       ? QString()
                                       : QStringLiteral("shooting %1, tactics %2")
                                             .arg(signedNum(l.shootingBoost), signedNum(l.tacticsBoost));
            out.rows.push_back({{when(w->when), qs(l.name), num(l.shooting), signedNum(l.shootingGain),
                                 num(l.tactics), signedNum(l.tacticsGain), boosts},
                                l.shootingGain > 0 || l.tacticsGain > 0});
        }
    }
    return out;
}

Rows playByPlay(const MatchReport& match) {
    Rows out{{QStringLiteral("Minute"), QStringLiteral("Score"), QStringLiteral("Play")}, {}};
    for (const PlayLine& l : match.lines) {
        out.rows.push_back({{num(l.minute), QStringLiteral("%1 : %2").arg(l.ourScore).arg(l.theirScore),
                             qs(l.text).trimmed()}});
    }
    return out;
}

Rows clubSquad(const std::vector<SquadLine>& squad) {
    Rows out{{QStringLiteral("Player"), QStringLiteral("Shooting"), QStringLiteral("Tactics"),
              QStringLiteral("Marker")},
             {}};
    for (const SquadLine& l : squad)
        out.rows.push_back({{qs(l.name), num(l.shooting), num(l.tactics), qs(l.marker)}});
    return out;
}

QString matchTitle(const MatchReport& match) {
    QString title = QStringLiteral("Season %1, week %2: %3")
                        .arg(match.when.season)
                        .arg(match.when.week)
                        .arg(qs(match.opponent));
    if (!match.lines.empty()) {
        title +=
            QStringLiteral(" (%1 : %2)").arg(match.lines.back().ourScore).arg(match.lines.back().theirScore);
    }
    return title;
}

QString forecastText(const Forecast& f) {
    QString text = QStringLiteral("Next week: sure costs %1, sure income at least %2, cash now %3.")
                       .arg(money(f.sureCosts), money(f.leastIncome), money(f.cash));
    if (f.warning) text += QStringLiteral("\nWarning: ") + qs(f.text);
    return text;
}

void fill(QTableWidget& table, const Rows& rows) {
    const int row = table.currentRow();
    const int column = table.currentColumn();
    const int scroll = table.verticalScrollBar()->value();
    table.setUpdatesEnabled(false);
    table.clear();
    table.setColumnCount(static_cast<int>(rows.headers.size()));
    table.setHorizontalHeaderLabels(rows.headers);
    table.setRowCount(static_cast<int>(rows.rows.size()));
    QFont bold = table.font();
    bold.setBold(true);
    for (int r = 0; r < static_cast<int>(rows.rows.size()); ++r) {
        const Row& data = rows.rows[static_cast<size_t>(r)];
        for (int c = 0; c < data.cells.size(); ++c) {
            auto* item = new QTableWidgetItem(data.cells[c]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignVCenter |
                                   (isNumber(data.cells[c]) ? Qt::AlignRight : Qt::AlignLeft));
            if (data.ours || data.total) item->setFont(bold);
            if (data.ours) item->setBackground(QColor(0xfd, 0xe3, 0xd0));
            if (data.ours && c == 0 && !rows.oursSaid.isEmpty())
                item->setData(Qt::AccessibleTextRole, data.cells[c] + QStringLiteral(", ") + rows.oursSaid);
            if (data.total) item->setBackground(QColor(0xe4, 0xee, 0xfa));
            table.setItem(r, c, item);
        }
    }
    table.resizeColumnsToContents();
    // The first column of words takes the room the numbers leave, so that a
    // wide window shows no empty strip beside the table.
    QHeaderView* header = table.horizontalHeader();
    for (int c = 0; c < table.columnCount(); ++c) {
        const bool words =
            !rows.rows.empty() && c < rows.rows.front().cells.size() && !isNumber(rows.rows.front().cells[c]);
        header->setSectionResizeMode(c, words ? QHeaderView::Stretch : QHeaderView::Interactive);
        if (words) {
            for (++c; c < table.columnCount(); ++c) header->setSectionResizeMode(c, QHeaderView::Interactive);
        }
    }
    if (row >= 0 && row < table.rowCount()) table.setCurrentCell(row, std::max(column, 0));
    table.verticalScrollBar()->setValue(scroll);
    table.setUpdatesEnabled(true);
}

}  // namespace splat::ui::book

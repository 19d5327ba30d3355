#pragma once
// The season book's window: beside the main window (not modal, so the game
// goes on), in the dialogs' look, with a named tab per section: Table,
// Results and fixtures, Ledger, Squad progress, Match reports. It shows the
// book's plain records it is given and reads nothing else; a table is
// rewritten only when what it lists has grown, so a reader keeps his place.

#include <QDialog>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "core/book_records.h"

class QComboBox;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace splat::ui {

class BookChart;

class BookWindow : public QDialog {
    Q_OBJECT
public:
    explicit BookWindow(QWidget* parent);

    void show(const BookPages& pages);
    QTabWidget& tabs() { return *tabs_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showMatch(int index);
    // The squad of the club in the chosen cell of the pairings or results.
    void showClub(const std::vector<std::pair<int, int>>& games, int row, int column, int awayColumn);
    QTableWidget* table(const QString& name);

    QTabWidget* tabs_;
    QLabel* strength_;
    QTableWidget* table_;
    QTableWidget* seasons_;
    QTableWidget* fixtures_;
    QTableWidget* results_;
    QLabel* clubTitle_;
    QTableWidget* club_;
    std::vector<std::pair<int, int>> fixtureTeams_;  // home and away of each row
    std::vector<std::pair<int, int>> resultTeams_;
    std::vector<std::vector<SquadLine>> clubs_;
    std::vector<QString> clubNames_;
    QLabel* forecast_;
    BookChart* chart_;
    QTableWidget* chartNumbers_;
    QTableWidget* ledger_;
    QTableWidget* squad_;
    QComboBox* matchList_;
    QTableWidget* lines_;
    std::vector<MatchReport> matches_;
    std::array<QString, 5> shown_;  // what each tab last showed, in short
};

}  // namespace splat::ui

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QChartView>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QValueAxis>

#include "CareerFiles.h"
#include "QtScreen.h"
#include "Widgets.h"
#include "frmMain.h"

namespace ringvale::test {
namespace {

QStringList Column(const QTableView& table, int column, int role = Qt::DisplayRole) {
  QStringList cells;
  for (int row = 0; row < table.model()->rowCount(); ++row)
    cells << table.model()->index(row, column).data(role).toString();
  return cells;
}

TEST(CareerWindows, RecordsShowTheLoadedCareerSortedByAnyColumnAndFollowTheWeeks) {
  LoadedGame t;
  frmMain main(t.game);
  QWidget& window = OpenedBy(main, "mnuRecords", "frmRecords");
  auto& table = *Child<QTableView>(window, "tblRecords");
  EXPECT_EQ(Column(table, 0), QStringList({"C", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(Column(table, 9), QStringList({"", "vs Dewey Marchbank in 2 weeks",
                                           "vs Bram Kestovic in 4 weeks", "vs Rocky, Jr in 4 weeks",
                                           "", "", "", "vs Teo Vasquero in 2 weeks", "", ""}));
  // The player's row alone stands out, to the eye and to a screen reader.
  EXPECT_EQ(Column(table, 1, Qt::AccessibleTextRole)[2], "Rocky, Jr (you)");
  for (int row = 0; row < 10; ++row)
    EXPECT_EQ(table.model()->index(row, 1).data(Qt::FontRole).value<QFont>().bold(), row == 2)
        << row;
  // Numbers sort as numbers; the sort box does from the keyboard what a heading click does.
  table.sortByColumn(2, Qt::AscendingOrder);
  EXPECT_EQ(Column(table, 2),
            QStringList({"12", "26", "26", "26", "33", "35", "35", "35", "46", "46"}));
  auto* sortBy = Child<QComboBox>(window, "cmbSortBy");
  QTest::keyClick(sortBy, Qt::Key_Down);  // Losses, most first
  EXPECT_EQ(Column(table, 3)[0], "6");
  QTest::keyClick(sortBy, Qt::Key_End);  // the soonest bouts first
  EXPECT_EQ(Column(table, 9)[0], "vs Dewey Marchbank in 2 weeks");
  Render(window, "frmRecords.png");
  // A new career shows its own roster at once, sorted as before.
  table.sortByColumn(1, Qt::AscendingOrder);
  t.screen.inputs = {"Sam"};
  t.random.Push({0.2});
  Child<QAction>(main, "mnuNew")->trigger();
  const QStringList names = Column(table, 1);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()) && names.contains("Sam"))
      << names.join(", ").toStdString();
}

// Bouts of Rocky's career (he is boxer 0, place 6) as the log keeps them, and as the player reads
// them, newest first.
TEST(CareerWindows, TheFightLogShowsEachBoutAsWrittenNewestFirstAndFiltersThePlayers) {
  LoadedGame t;
  t.game.log.Bouts = {{168, 5, 4, 0, 5, Ending::KnockOut, 6, 0},
                      {170, 0, 5, 5, 4, Ending::Points, 10, 35000},
                      {171, 7, 0, 8, 1, Ending::Draw, 9, 0},
                      {172, 5, 4, 0, 5, Ending::Dive, 0, -50000}};
  frmMain main(t.game);
  QWidget& window = OpenedBy(main, "mnuFightLog", "frmFightLog");
  auto& table = *Child<QTableView>(window, "tblFightLog");
  const QList<QStringList> rows = {
      {"Year 3, Week 16", "Teo Vasquero (5) beat Rocky, Jr (6)", "by a dive before the first bell",
       "-$50000"},
      {"Year 3, Week 15", "Ezra Kolade (C) drew with Hollis Pryde (2)", "a draw after 9 rounds",
       ""},
      {"Year 3, Week 14", "Rocky, Jr (6) beat Teo Vasquero (5)", "on points after 10 rounds",
       "$35000"},
      {"Year 3, Week 12", "Teo Vasquero (5) beat Rocky, Jr (6)", "by knock-out in round 6", ""}};
  EXPECT_EQ(Rows(*table.model()), rows);
  Render(window, "frmFightLog.png");
  // A dive's money is settled after its bout has been shown: that row alone is drawn again. A
  // change further back means another career, laid out afresh.
  QSignalSpy changed(table.model(), &QAbstractItemModel::dataChanged);
  QSignalSpy reset(table.model(), &QAbstractItemModel::modelReset);
  t.game.log.Bouts.back().Money = 100000;
  main.Redraw();
  EXPECT_EQ(Column(table, 3), QStringList({"$100000", "", "$35000", ""}));
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex().row(), 0);
  t.game.log.Bouts.back().Money = -50000;
  t.game.log.Bouts[2].Round = 8;
  main.Redraw();
  EXPECT_EQ(reset.count(), 1);

  Child<QCheckBox>(window, "chkMine")->click();
  EXPECT_EQ(Rows(*table.model()), QList<QStringList>({rows[0], rows[2], rows[3]}));
  EXPECT_EQ(Column(table, 1, Qt::AccessibleTextRole)[1],
            "Your bout: Rocky, Jr (6) beat Teo Vasquero (5)");
  EXPECT_TRUE(table.model()->index(2, 1).data(Qt::FontRole).value<QFont>().bold());
  ExpectEscapeCloses(window, "chkMine");
}

// Four years of Rocky's career, week by week, as the chart draws them; money runs below 0.
TEST(CareerWindows, TheChartDrawsEveryWeekAndFollowsTheCareer) {
  LoadedGame t;
  for (int week = 2; week <= 205; ++week)
    t.game.log.Weeks.push_back(
        {week, 9 - week / 25, 80 + week % 17, 60 + week % 41, 700.0 * week - 90000});
  frmMain main(t.game);
  QWidget& window = OpenedBy(main, "mnuChart", "frmChart");
  const auto points = [&](const char* chart) {
    return static_cast<QLineSeries*>(Child<QChartView>(window, chart)->chart()->series()[0])
        ->points();
  };
  // Each value axis labels whole numbers, none twice, and shows every point.
  const auto expectWholeSteps = [&](const char* chart) {
    const auto* axis =
        static_cast<QValueAxis*>(Child<QChartView>(window, chart)->chart()->axes(Qt::Vertical)[0]);
    const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    EXPECT_TRUE(step >= 1 && step == std::round(step)) << chart << " " << step;
    for (const QPointF& point : points(chart)) EXPECT_LE(axis->min(), point.y()) << chart;
    for (const QPointF& point : points(chart)) EXPECT_GE(axis->max(), point.y()) << chart;
    return axis->min();
  };
  const auto& weeks = t.game.log.Weeks;
  EXPECT_EQ(points("chtPlace").size(), 204);
  EXPECT_EQ(points("chtPlace")[0], QPointF(1 / 52.0, weeks[0].Rank + 1));
  EXPECT_EQ(points("chtStrength")[203], QPointF(204 / 52.0, weeks[203].Strength));
  EXPECT_EQ(points("chtSpeed")[100].y(), weeks[100].Speed);
  EXPECT_EQ(points("chtMoney")[203].y(), weeks[203].Money / 1000);
  for (const char* chart : {"chtStrength", "chtSpeed", "chtMoney"}) expectWholeSteps(chart);
  Render(window, "frmChart.png");
  // A week within the axes draws only the line's new end, one beyond them all afresh, also when
  // both come in one click (Next Event): either way the window shows what drawing the charts
  // whole shows, but for a pixel or two where the new end joins the line (Qt 6.8 draws a join a
  // pixel apart when it draws the end alone).
  const auto expectDrawnWhole = [&](std::initializer_list<WeekSample> click) {
    for (const WeekSample& week : click) {
      t.game.log.Weeks.push_back(week);
      main.Redraw();
    }
    for (int pass = 0; pass < 2; ++pass) QApplication::processEvents();  // Qt draws in two steps
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
    for (auto* view : window.findChildren<QChartView*>()) view->viewport()->repaint();
    const QImage whole = window.screen()->grabWindow(window.winId()).toImage();
    int differing = shown.size() == whole.size() ? 0 : -1;
    for (int y = 0; differing >= 0 && y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, y) != whole.pixel(x, y);
    EXPECT_TRUE(differing >= 0 && differing <= 2) << click.begin()->Week << ": " << differing;
  };
  expectDrawnWhole({{206, 3, 95, 99, 53000}});
  expectDrawnWhole({{207, 0, 97, 99, 99000}});
  expectDrawnWhole({{208, 0, 97, 99, 160000}, {209, 0, 97, 99, 150000}});
  EXPECT_EQ(Child(window, "chtPlace")->accessibleDescription(), "Place in the ranking, latest C");

  t.screen.inputs = {"Kid"};
  t.random.Push({0.2});
  Child<QAction>(main, "mnuNew")->trigger();
  EXPECT_TRUE(points("chtSpeed").isEmpty());
  EXPECT_EQ(expectWholeSteps("chtSpeed"), 0);  // nothing below 0 before the first week
  // A single week, as a career just loaded without its log has, shows as a dot on every chart.
  QApplication::processEvents();  // the new career drawn, as before the next click
  t.game.log.Weeks = {{1, 9, 80, 60, 20000}};
  main.Redraw();
  Render(window, "frmChart-one-week.png");
  for (auto* view : window.findChildren<QChartView*>())
    EXPECT_TRUE(static_cast<QLineSeries*>(view->chart()->series()[0])->pointsVisible());
  expectDrawnWhole({{2, 9, 80, 60, 20000}});  // a line again, and no dot left behind
}

// Rocky's career played on with the real window system and every career window open. A week adds
// the new bouts on top of the log and a point to each chart, and tells of each records cell that
// now reads differently, once: nothing already shown is laid out again. A results box shows the
// bout it speaks of. Only another career starts the windows afresh.
TEST(CareerWindows, AWeekChangesThemOnlyWhereItChangedTheCareer) {
  TempFolder folder;
  SeededRandom random(5);
  QtScreen screen;
  Game game(screen, random, folder.Path());
  screen.SetGame(game);
  WriteBytes(folder.Path() / "Rocky.box", Fixture("rocky-year3.box"));
  LoadBoxer(game, folder.Path() / "Rocky.box");
  frmMain main(game);
  auto& logTable = *Child<QTableView>(OpenedBy(main, "mnuFightLog", "frmFightLog"), "tblFightLog");
  auto& recordsTable = *Child<QTableView>(OpenedBy(main, "mnuRecords", "frmRecords"), "tblRecords");
  const auto &log = *logTable.model(),
             &records = *static_cast<QSortFilterProxyModel*>(recordsTable.model())->sourceModel();
  QSignalSpy inserted(&log, &QAbstractItemModel::rowsInserted),
      cells(&records, &QAbstractItemModel::dataChanged),
      reset(&log, &QAbstractItemModel::modelReset);
  std::vector<QLineSeries*> series;
  for (auto* view : OpenedBy(main, "mnuChart", "frmChart").findChildren<QChartView*>())
    series.push_back(static_cast<QLineSeries*>(view->chart()->series()[0]));
  QSignalSpy replaced(series.at(3), &QXYSeries::pointsReplaced);  // the same for every chart
  const auto widths = [&] {
    return logTable.horizontalHeader()->saveState() + recordsTable.horizontalHeader()->saveState();
  };
  const QByteArray widthsBefore = widths();
  // Cells told since the `from`th, each once and each one that reads other than in `before`.
  const auto expectToldOnce = [&](const QList<QStringList>& before, int from) {
    const QList<QStringList> after = Rows(records);
    QSet<QPair<int, int>> changed, told;
    for (int row = 0; row < after.size(); ++row)
      for (int column = 0; column < after[row].size(); ++column)
        if (after[row][column] != before[row][column]) changed.insert({row, column});
    for (int i = from; i < cells.count(); ++i) {
      const QModelIndex cell = cells[i][0].toModelIndex();
      EXPECT_EQ(cell, cells[i][1].toModelIndex());
      told.insert({cell.row(), cell.column()});
    }
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_EQ(told, changed);
    EXPECT_EQ(told.size(), cells.count() - from);
    return after;
  };

  // Teo Vasquero and Dewey Marchbank meet in the second week.
  for (const int week : {1, 2}) {
    SCOPED_TRACE(week);
    const QList<QStringList> logBefore = Rows(log);
    QList<QStringList> recordsBefore = Rows(records);
    int toldBefore = 0;
    if (week == 2) {
      OnNextModal([&](QWidget* box) {
        const QString said = qobject_cast<QMessageBox*>(box)->text();
        EXPECT_TRUE(Rows(log).value(0).value(1).startsWith(said.section(" has ", 0, 0) + " ("))
            << said.toStdString();
        EXPECT_EQ(inserted.count(), 1);
        recordsBefore = expectToldOnce(recordsBefore, 0);
        toldBefore = int(cells.count());
        QTest::keyClick(box, Qt::Key_Return);
      });
    }
    inserted.clear();
    cells.clear();
    Child<QPushButton>(main, "cmdNextWeek")->click();

    expectToldOnce(recordsBefore, toldBefore);
    EXPECT_EQ(inserted.count(), week - 1);
    if (week == 2) {  // one row, on top
      EXPECT_EQ(std::pair(inserted[0][1].toInt(), Rows(log).mid(1)), std::pair(0, logBefore));
    }
    for (const QLineSeries* line : series) EXPECT_EQ(line->count(), week);
  }
  EXPECT_EQ(reset.count() + replaced.count(), 0);  // nothing laid out afresh
  // The columns were sized once, for what the weeks would add: every cell shows whole.
  EXPECT_EQ(widths(), widthsBefore);
  for (const QTableView* table : {&logTable, &recordsTable})
    for (int column = 0; column < table->model()->columnCount(); ++column)
      EXPECT_GE(table->columnWidth(column),
                static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(column));

  WriteBytes(folder.Path() / "Other.box", Fixture("rocky-year3.box"));
  LoadBoxer(game, folder.Path() / "Other.box");
  main.Redraw();
  EXPECT_EQ(reset.count(), 1);
  EXPECT_EQ(replaced.count(), 1);
}

}  // namespace
}  // namespace ringvale::test

#include <gtest/gtest.h>

#include <QChartView>
#include <QCheckBox>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QValueAxis>

#include "AutoPlayer.h"
#include "CareerFiles.h"
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

  // A week later the bookings have come one week nearer, still soonest first.
  t.random.Push({(1 - 0.2) / 9, (9 - 0.2) / 9, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
  Child<QPushButton>(main, "cmdNextWeek")->click();
  QStringList booked = Column(table, 9);
  EXPECT_TRUE(booked[1].endsWith(" in 1 week") && booked[2].endsWith(" in 3 weeks"));
  booked.sort();
  EXPECT_EQ(booked.mid(6),
            QStringList({"vs Bram Kestovic in 3 weeks", "vs Dewey Marchbank in 1 week",
                         "vs Rocky, Jr in 3 weeks", "vs Teo Vasquero in 1 week"}));
  Render(window, "frmRecords.png");
  // A new career shows its own roster at once, sorted as before.
  table.sortByColumn(1, Qt::AscendingOrder);
  t.screen.inputs = {"Sam"};
  t.random.Push({0.2});
  Child<QAction>(main, "mnuNew")->trigger();
  QStringList names = Column(table, 1), sorted = names;
  sorted.sort();
  EXPECT_EQ(names, sorted);
  EXPECT_TRUE(names.contains("Sam"));
  ExpectEscapeCloses(window, "tblRecords");
}

// Four years of a career played by a restless player.
struct PlayedCareer {
  PlayedCareer() {
    screen.inputs = {"Sam"};
    NewBoxer(game);
    for (int week = 0; week < 4 * 52; ++week) {
      player.AnswerChallenge();
      player.PlayWeek();
    }
  }
  TempFolder folder;
  SeededRandom random{11};
  RecordingScreen screen;
  Game game{screen, random, folder.Path()};
  AutoPlayer player{game, screen, 5};
};

TEST(CareerWindows, TheFightLogListsEveryBoutNewestFirstAndFiltersThePlayers) {
  PlayedCareer p;
  frmMain main(p.game);
  QWidget& window = OpenedBy(main, "mnuFightLog", "frmFightLog");
  auto& table = *Child<QTableView>(window, "tblFightLog");
  const auto& bouts = p.game.log.Bouts;
  ASSERT_EQ(table.model()->rowCount(), int(bouts.size()));
  EXPECT_EQ(Column(table, 0)[0].toStdString(), WeekText(bouts.back().Week));
  EXPECT_EQ(Column(table, 1).last().toStdString(), BoutText(p.game.career, bouts.front()));
  Render(window, "frmFightLog.png");

  Child<QCheckBox>(window, "chkMine")->click();
  const auto mine = std::count_if(bouts.begin(), bouts.end(),
                                  [](const BoutRecord& bout) { return bout.Involves(0); });
  ASSERT_GT(mine, 5);
  EXPECT_EQ(table.model()->rowCount(), mine);
  for (const QString& text : Column(table, 1, Qt::AccessibleTextRole))
    EXPECT_TRUE(text.startsWith("Your bout: ")) << text.toStdString();
  EXPECT_TRUE(table.model()->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
  ExpectEscapeCloses(window, "chkMine");
}

TEST(CareerWindows, TheChartDrawsEveryWeekAndFollowsTheCareer) {
  PlayedCareer p;
  frmMain main(p.game);
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
  const auto& weeks = p.game.log.Weeks;
  ASSERT_EQ(weeks.size(), 208u);
  EXPECT_EQ(points("chtPlace").size(), 208);
  EXPECT_EQ(points("chtPlace")[0], QPointF(1 / 52.0, weeks[0].Rank + 1));
  EXPECT_EQ(points("chtStrength")[207], QPointF(4, weeks[207].Strength));
  EXPECT_EQ(points("chtSpeed")[100].y(), weeks[100].Speed);
  EXPECT_EQ(points("chtMoney")[207].y(), weeks[207].Money / 1000);
  for (const char* chart : {"chtStrength", "chtSpeed", "chtMoney"}) expectWholeSteps(chart);
  Render(window, "frmChart.png");

  p.player.PlayWeek();
  main.Redraw();
  EXPECT_EQ(points("chtMoney").size(), 209);
  p.screen.inputs = {"Kid"};
  Child<QAction>(main, "mnuNew")->trigger();
  EXPECT_TRUE(points("chtSpeed").isEmpty());
  EXPECT_EQ(expectWholeSteps("chtSpeed"), 0);  // nothing below 0 before the first week
  ExpectEscapeCloses(window, "chtMoney");
}

}  // namespace
}  // namespace ringvale::test

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game tells the player beyond its boxes: the status bar, places, long names, How to
// Play, and windows that keep their picture while frozen and their place between runs.

#include <gtest/gtest.h>

#include <QCategoryAxis>
#include <QChartView>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTextBrowser>

#include "../modules/WeekSetup.h"
#include "QtScreen.h"
#include "TestGame.h"
#include "Widgets.h"
#include "WindowPlace.h"
#include "frmFight.h"
#include "frmMain.h"
#include "modBoxer.h"
#include "modFile.h"

namespace ringvale::test {
namespace {

// A box of the week opens over the main window: the window keeps painting the picture it had
// before the week, the training animation standing still in it, and the box is as wide as its
// title needs.
TEST(FrozenMainWindow, ShowsThePictureOfBeforeTheWeekWhileABoxIsOpen) {
  TempFolder folder;
  ScriptedRandom random;
  QtScreen screen;
  Game game{screen, random, folder.Path()};
  screen.SetGame(game);
  SetUpCareer(game);
  Book(game, 2, 3, 1);                // a rivals' bout falls due, and its result comes in a box
  game.career.Roster[2].Name = "Ed";  // a short result under a long title
  game.career.Roster[3].Name = "Al";
  frmMain main{game};
  RefreshStatus(game);
  game.main.tabMain = 1;  // Training, where the bag swings
  main.Redraw();
  main.show();
  QApplication::processEvents();
  const QImage before = main.grab().toImage();
  PushDraw(random, 1, 9);
  random.Push({0.0});
  PushMissedRounds(random, SimulatedRounds);
  PushRivalTraining(random);
  std::vector<QImage> during;
  OnNextModal([&](QWidget* box) {
    during.push_back(main.grab().toImage());
    QTest::qWait(3 * PunchIntervalMs);
    during.push_back(main.grab().toImage());
    // Window managers keep about 120 px of a title bar for the icon, buttons and margins.
    QFont bold = box->font();
    bold.setBold(true);
    EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 120);
    QTest::keyClick(box, Qt::Key_Return);
  });
  Child<QPushButton>(main, "cmdNextWeek")->click();
  EXPECT_EQ(during, std::vector<QImage>(2, before));
  EXPECT_TRUE(main.updatesEnabled());
  EXPECT_EQ(Child<QLabel>(main, "lblPowerBar")->text(), "89 / 130");  // the week shows after it
}

class StatusTest : public ::testing::Test {
 protected:
  StatusTest() {
    t.screen.inputs.push_back("Sam");
    t.random.Push({0.0});  // line-up 0: Sam is last, Calvin Drummore next above him
    Child<QAction>(main, "mnuNew")->trigger();
  }
  QStringList Status() {
    return {Child<QLabel>(main, "lblNews")->text(), Child<QLabel>(main, "lblSaved")->text()};
  }
  void NextWeek(int matchA, int matchB) {
    PushDraw(t.random, matchA, matchB);
    PushRivalTraining(t.random);
    Child<QPushButton>(main, "cmdNextWeek")->click();
  }
  TestGame t;
  frmMain main{t.game};
};

TEST_F(StatusTest, TellsOfAChallengeItsLapseAndTheSave) {
  NextWeek(1, 0);
  EXPECT_EQ(Status(), QStringList({"Calvin Drummore challenges you: answer on Arrange Bout.",
                                   "1 week played since the last save"}));
  NextWeek(1, 9);
  EXPECT_EQ(Status(), QStringList({"Calvin Drummore's challenge has lapsed.",
                                   "2 weeks played since the last save"}));
  EXPECT_EQ(Child(main, "lblNews")->accessibleName(),
            "News: Calvin Drummore's challenge has lapsed.");
  Child<QAction>(main, "mnuSave")->trigger();
  EXPECT_EQ(Status(), QStringList({"Saved at Year 0, Week 3.", ""}));
  EXPECT_TRUE(t.screen.messages.empty());
}

// Sam, last, knocks out Calvin Drummore and takes his place: the Rankings tab reads him out at
// the place the Arrange Bout list's tooltips, Records, the Fight Log and the chart give him.
TEST_F(StatusTest, ThePlayersPlaceReadsTheSameEverywhereAfterABoutMovesHim) {
  QWidget& records = OpenedBy(main, "mnuRecords", "frmRecords");
  QWidget& log = OpenedBy(main, "mnuFightLog", "frmFightLog");
  QWidget& chart = OpenedBy(main, "mnuChart", "frmChart");
  Book(t.game, 0, 1, 1);
  t.random.Push({2 / 9.0, 1.0, QuietComment});  // a draw of nothing, the introduction
  PushRivalTraining(t.random);
  t.screen.playFight = [](Game& game) {
    game.bout.KnockdownsB = KnockdownsToStop;
    KnockOut(game);
  };
  Child<QPushButton>(main, "cmdNextWeek")->click();
  ASSERT_EQ(t.game.career.Player().Rank, 8);
  auto* ranks = Child<QListWidget>(main, "lstRanks");
  EXPECT_EQ(ranks->item(8)->data(Qt::AccessibleTextRole).toString(), "Place 9: Sam");
  EXPECT_EQ(ranks->item(8)->toolTip(), "Place 9: Sam");
  EXPECT_EQ(ranks->item(0)->toolTip(), "Place C: Walt Brannigan");
  const QAbstractItemModel& table = *Child<QTableView>(records, "tblRecords")->model();
  EXPECT_EQ(table.index(8, 0).data().toString() + table.index(8, 1).data().toString(), "9Sam");
  EXPECT_EQ(Child<QTableView>(log, "tblFightLog")->model()->index(0, 1).data().toString(),
            "Sam (10) beat Calvin Drummore (9)");  // the places before the bout
  auto* place = Child<QChartView>(chart, "chtPlace");
  const auto* axis = static_cast<QCategoryAxis*>(place->chart()->axes(Qt::Vertical)[0]);
  const auto* line = static_cast<QLineSeries*>(place->chart()->series()[0]);
  EXPECT_EQ(axis->endValue("9"), line->points().last().y());
  EXPECT_EQ(axis->endValue("C"), 1);
  EXPECT_TRUE(axis->isReverse());  // the champion at the top
  EXPECT_EQ(place->accessibleDescription(), "Place in the ranking, latest 9");
  auto* boxers = Child<QComboBox>(main, "cmbBoxers");
  EXPECT_EQ(boxers->itemData(8, Qt::ToolTipRole).toString(), "Place 9: Sam. That is you.");
  EXPECT_EQ(boxers->itemData(9, Qt::ToolTipRole).toString(),
            "Place 10: Calvin Drummore. Ranked next to you: you may challenge him.");
  // Those he may challenge stand out, his neighbours while both are free.
  const auto marked = [&] {
    std::vector<int> bold;
    for (int rank = 0; rank < RosterSize; ++rank)
      if (boxers->itemData(rank, Qt::FontRole).value<QFont>().bold()) bold.push_back(rank);
    return bold;
  };
  EXPECT_EQ(marked(), std::vector<int>({7, 9}));
  Book(t.game, 0, 2, 3);  // with Rollo Vantree, ranked 7
  main.Redraw();
  EXPECT_EQ(marked(), std::vector<int>{});
  EXPECT_EQ(boxers->itemData(9, Qt::ToolTipRole).toString(),
            "Place 10: Calvin Drummore. Ranked next to you, but you have a bout booked.");
}

// A 200-byte name ends in "…" wherever its room is short, whole in the tooltip and the
// accessible name; in the fight window it keeps a readable size.
TEST_F(StatusTest, ALongNameIsElidedWithItsWholeNameInTheTooltip) {
  std::string name = "Bartholomew Featherstonehaugh";
  while (name.size() < 200) name += name.size() % 2 ? " Fitz" : "-Unbowed";
  name.resize(200);
  const QString whole = QString::fromStdString(name);
  t.game.career.Roster[1].Name = name;
  t.game.career.Roster[9].Name = name;  // the champion
  t.game.career.Player().Name = name;
  t.game.log.Bouts.push_back({2, 1, 8, 9, 0, Ending::Points, SimulatedRounds, 0});
  t.game.booking.MatchA = 1;
  RefreshStatus(t.game);
  IssueChallenge(t.game);
  for (const int tab : {0, 3, ArrangeBoutTab}) {
    t.game.main.tabMain = tab;
    main.Redraw();
    Render(main, QStringLiteral("frmMain-long-name%1.png").arg(tab));
  }
  for (const char* name : {"frmBoxer", "lblChamp", "lblChallenge", "lblNews"}) {
    QWidget* control = Child(main, name);
    const QString shown =
        control->property(qobject_cast<QLabel*>(control) ? "text" : "title").toString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << name;
    EXPECT_TRUE(control->toolTip().contains(whole)) << name;
    EXPECT_TRUE(control->accessibleName().contains(whole)) << name;
  }
  EXPECT_TRUE(Child<QListWidget>(main, "lstRanks")->item(9)->toolTip().endsWith(whole));
  // The career windows' cells, the champion's and his bout's, cut it as their columns end.
  for (const auto& [menu, window, table] : {std::tuple{"mnuRecords", "frmRecords", "tblRecords"},
                                            {"mnuFightLog", "frmFightLog", "tblFightLog"}}) {
    auto* cells = Child<QTableView>(OpenedBy(main, menu, window), table);
    const QModelIndex cell = cells->model()->index(0, 1);
    EXPECT_TRUE(cell.data(Qt::ToolTipRole).toString().startsWith(whole)) << table;
    EXPECT_TRUE(cell.data(Qt::AccessibleTextRole).toString().startsWith(whole)) << table;
    EXPECT_LT(cells->columnWidth(1), cells->fontMetrics().horizontalAdvance(whole)) << table;
    Render(*cells->window(), QStringLiteral("%1-long-name.png").arg(window));
  }

  t.game.bout.FighterB = 1;
  t.random.Push({QuietComment});
  LoadFight(t.game);
  frmFight fight(t.game);
  Render(fight, "frmFight-long-name.png");
  auto* player = Child<QLabel>(fight, "lblPlayer");
  EXPECT_TRUE(player->text().endsWith(QChar(0x2026)));
  EXPECT_GE(player->font().pixelSize(), 16);
  EXPECT_EQ(player->toolTip(), whole);
  EXPECT_EQ(player->accessibleName(), "Your boxer: " + whole);
}

// Closed where the player put it, a window opens there again; a place off every screen is not
// used. A career window opens first beside the main window.
TEST(WindowPlaceTest, AWindowComesBackWhereItWasLeftUnlessThatIsOffEveryScreen) {
  TestGame t;
  frmMain main{t.game};
  main.show();
  const QRect screen = main.screen()->availableGeometry();
  const auto close = [](QWidget* window) {  // and gone, as a closed window is
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  for (const auto& [menu, name] : {std::pair{"mnuHigh", "frmHigh"},
                                   {"mnuHowToPlay", "frmHowToPlay"},
                                   {"mnuChart", "frmChart"}}) {
    SCOPED_TRACE(name);
    QSettings().remove("Windows");
    QWidget* window = &OpenedBy(main, menu, name);
    const QPoint first = window->geometry().topLeft();
    // Wholly on the screen, as far as it fits there; a career window beside the main window.
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(screen.contains(QRect(frame.topLeft(), frame.size().boundedTo(screen.size()))));
    const QPoint beside = WindowPlace::Beside(main.frameGeometry(), frame.size(), screen);
    EXPECT_TRUE(name != std::string("frmChart") || frame.topLeft() == beside);
    window->move(window->pos() + QPoint(37, 41));
    close(window);
    window = &OpenedBy(main, menu, name);
    EXPECT_EQ(window->geometry().topLeft(), first + QPoint(37, 41));
    const QRect offEveryScreen(QPoint(-4000, 5000), window->size());
    close(window);
    QSettings().setValue(QStringLiteral("Windows/") + name, offEveryScreen);
    window = &OpenedBy(main, menu, name);
    EXPECT_EQ(window->geometry().topLeft(), first);
    close(window);
  }
  // A dialog closed by its buttons, which close it without a close event, remembers it too.
  QPoint moved;
  for (const bool again : {false, true}) {
    OnNextModal([&](QWidget* careers) {
      EXPECT_TRUE(!again || careers->pos() == moved);
      careers->move(moved = careers->pos() + QPoint(37, 41));
      QTest::keyClick(careers, Qt::Key_Escape);
    });
    Child<QAction>(main, "mnuCareers")->trigger();
  }
  // On a 1280 x 1024 desktop a career window opens to the right of the main window, else to its
  // left, else as little over it as the screen allows, and never off the screen.
  const QRect desktop(0, 0, 1280, 1024);
  const QSize records(760, 420);
  EXPECT_EQ(WindowPlace::Beside({100, 50, 380, 450}, records, desktop), QPoint(480, 50));
  EXPECT_EQ(WindowPlace::Beside({850, 50, 380, 450}, records, desktop), QPoint(90, 50));
  EXPECT_EQ(WindowPlace::Beside({450, 700, 380, 450}, records, desktop), QPoint(520, 604));
  EXPECT_EQ(WindowPlace::Beside({400, 0, 380, 450}, {1400, 1100}, desktop), QPoint(0, 0));
}

// F1 opens How to Play: the whole game in its own numbers, to be scrolled and read out, and
// Escape closes it.
TEST(HowToPlayTest, F1OpensTheRulesInTheGamesNumbers) {
  TestGame t;
  frmMain main{t.game};
  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  QTest::keyClick(&main, Qt::Key_F1);
  QWidget* window = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == "frmHowToPlay" && top->isVisible()) window = top;
  ASSERT_NE(window, nullptr);
  Render(*window, "frmHowToPlay.png");
  EXPECT_EQ(AccessProblems(*window), std::vector<std::string>{});
  auto* text = Child<QTextBrowser>(*window, "txtHowToPlay");
  for (const char* says :
       {"Power: +2 strength a week, up to about 100, for 1 speed.", "set 6 weeks ahead",
        "$600,000 to the champion, down to $15,000 at place 9, nothing at place 10",
        "1 dive in 5 is found out: then there is no money and a fine of $50,000",
        "$500,000 as champion", "down to $5,000 at place 10", "number 10 in the hall of fame"})
    EXPECT_TRUE(text->toPlainText().contains(says)) << says;
  EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
  ExpectEscapeCloses(*window, "txtHowToPlay");
}

}  // namespace
}  // namespace ringvale::test

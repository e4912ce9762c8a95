#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <memory>

#include "../modules/WeekSetup.h"
#include "QtScreen.h"
#include "TestGame.h"
#include "Widgets.h"
#include "frmAbout.h"
#include "frmFight.h"
#include "frmHigh.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "modFights.h"
#include "modFile.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

QStringList Said(QWidget& window, std::initializer_list<const char*> names,
                 QAccessible::Text what = QAccessible::Name) {
  QStringList said;
  for (const char* name : names) {
    said << QAccessible::queryAccessibleInterface(Child(window, name))->text(what);
  }
  return said;
}

void Walk(QWidget& window, const char* state) {
  window.show();
  EXPECT_EQ(AccessProblems(window), std::vector<std::string>{}) << state;
}

// Every window as a player meets it, also in the states that show more controls.
TEST(AccessibilityTest, EveryWindowNamesItsControlsAndTabsDownTheScreen) {
  TestGame t;
  frmMain main{t.game};
  Walk(main, "no career");
  EXPECT_EQ(Said(main, {"comUpcoming", "cmbBoxers", "lstRanks", "proPower", "proSpeed",
                        "lblStrength", "lblMoney", "lblChamp"}),
            QStringList({"Upcoming bouts", "Opponent", "Rankings", "Power trained", "Speed trained",
                         "Strength", "Money", "Champion"}));
  t.screen.inputs.push_back("Sam");
  t.random.Push({0.0});
  NewBoxer(t.game);
  t.game.booking.MatchA = 1;  // ranked 8, so it challenges Sam
  IssueChallenge(t.game);
  main.Redraw();
  Walk(main, "challenge");
  EXPECT_EQ(Said(main, {"frmBoxer", "lblStrength", "lblKO", "lblMoney", "lblChamp"}),
            QStringList({"Boxer Stats: Sam", "Strength: 90", "Knock-outs: 0", "Money: $20000",
                         "Champion: Walt Brannigan"}));
  EXPECT_EQ(Said(main, {"proPower", "proSpeed"}, QAccessible::Description),
            QStringList({"97 of 130", "86 of 100"}));
  for (const char* picture : {"imgP1", "imgS3", "Shape1"}) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Child(main, picture))->role(),
              QAccessible::NoRole);
  }

  SetUpCareer(t.game);
  t.game.bout.FighterB = 1;
  t.random.Push({0.0, QuietComment});
  LoadFight(t.game);
  t.game.fight.cmdDiveVisible = true;  // as after a bribe offer
  frmFight fight{t.game};
  Walk(fight, "fight");
  EXPECT_EQ(Said(fight, {"lblPlayer", "lblRival", "proStamina", "proRivStamina", "txtComments"}),
            QStringList({"Your boxer: Sam", "Opponent: Ivo Marchetti", "Sam: 0 of 40",
                         "Ivo Marchetti: 0 of 40", "Commentary"}));

  frmHigh high{t.game};
  high.Reload();
  Walk(high, "hall of fame");
  EXPECT_EQ(Said(high, {"lstHigh"}), QStringList{"Hall of fame"});
  frmAbout about;
  Walk(about, "about");
  frmSplash splash{t.game};
  Walk(splash, "splash");

  QtScreen screen;
  auto walkThenClose = [](QWidget* modal) {
    EXPECT_EQ(AccessProblems(*modal), std::vector<std::string>{});
    QTest::keyClick(modal, Qt::Key_Escape);
  };
  OnNextModal(walkThenClose);
  screen.Message("The fight has been arranged", "Fight is set!|");
  OnNextModal(walkThenClose);
  screen.InputBox("Whats your name?", "Create a new boxer");
}

}  // namespace
}  // namespace ringvale::test

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "../modules/WeekSetup.h"
#include "TestGame.h"
#include "Widgets.h"
#include "frmFight.h"
#include "modFights.h"

namespace ringvale::test {
namespace {

const std::string Results = "Latest Boxing Results";

// The player's bout against `rival` in a fight window of its own, as the week advance opens it.
class FightWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCareer(game); }

  void Open(int rival, double bribeRoll = 0.0) {
    game.bout.FighterA = 0;
    game.bout.FighterB = rival;
    t.random.Push({bribeRoll, QuietComment});
    LoadFight(game);
    t.screen.fightOpen = true;  // as ShowFight would have it
    window = std::make_unique<frmFight>(game);
    window->show();
    QApplication::processEvents();
  }
  QString Text(const char* name) { return Child(*window, name)->property("text").toString(); }
  QString Frame() { return Child<QGroupBox>(*window, "fraFight")->title(); }
  // One press of Next Round (or of Enter) with no landed punch and the round text given.
  void NextRound(double comment = QuietComment, bool enter = false) {
    t.random.Push({0.0});
    PushMisses(t.random, 20);
    if (game.bout.FightRound < 9) t.random.Push({comment});
    if (enter) {
      Key(Qt::Key_Return);
    } else {
      Child<QPushButton>(*window, "cmdNextRound")->click();
    }
  }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &press);
  }
  QString Comments() { return Child<QPlainTextEdit>(*window, "txtComments")->toPlainText(); }

  TestGame t;
  Game& game = t.game;
  std::unique_ptr<frmFight> window;
};

// With long names and a dive on offer, pictured in round 5 with its text checked for clipping.
TEST_F(FightWindowTest, NinePressesLeaveTheJudgesDecisionAndTheTenthDecides) {
  game.career.Roster[0].Name = "Sam Ashworth";
  game.career.Roster[3].Name = "Bartholomew Kestovic";
  Open(3, 0.5);
  for (int round = 1; round <= 9; ++round) {
    NextRound(QuietComment, round == 1);  // Enter plays a round as well
    EXPECT_EQ(Frame(), QString("Round %1").arg(round));
    EXPECT_EQ(Child<QProgressBar>(*window, "proStamina")->value(), 29);
    EXPECT_EQ(Comments().toStdString(), game.fight.txtComments);
    EXPECT_TRUE(Child(*window, "cmdDive")->isVisible());
    if (round == 5) Render(*window, "frmFight.png");
  }
  EXPECT_EQ(Text("cmdNextRound"), "Judges Decision");
  EXPECT_TRUE(t.screen.fightOpen);
  NextRound();
  EXPECT_EQ(Frame(), "Round 10");
  EXPECT_FALSE(t.screen.fightOpen);
  EXPECT_EQ(t.screen.messages.back(),
            (Shown{"Sam Ashworth has drawn with Bartholomew Kestovic", Results}));
  EXPECT_TRUE(t.random.values.empty());
}

TEST_F(FightWindowTest, ClosingTheWindowOrEscapeIsARetirement) {
  Open(2);
  NextRound();
  window->close();
  EXPECT_EQ(game.career.Roster[0].Losses, 1);
  EXPECT_EQ(t.screen.messages.end()[-2], (Shown{"Sam has retired.", "Ringvale"}));
  EXPECT_FALSE(t.screen.fightOpen);

  Open(3);
  Key(Qt::Key_Escape);
  EXPECT_EQ(game.career.Roster[0].Losses, 2);
  EXPECT_EQ(t.screen.messages.back(), (Shown{"Bram Kestovic has beaten Sam", Results}));
  // Once the bout is over, closing records nothing more.
  const auto shown = t.screen.messages.size();
  window->close();
  EXPECT_EQ(t.screen.messages.size(), shown);
  EXPECT_EQ(game.career.Roster[0].Losses, 2);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace ringvale::test

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "../modules/WeekSetup.h"
#include "TestGame.h"
#include "Widgets.h"
#include "frmFight.h"
#include "frmMain.h"
#include "modFights.h"
#include "modFile.h"

namespace ringvale::test {
namespace {

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
  // One press of Next Round with no landed punch and a quiet round.
  void NextRound() {
    t.random.Push({0.0});
    PushMisses(t.random, 20);
    if (game.bout.FightRound < 9) t.random.Push({QuietComment});
    Child<QPushButton>(*window, "cmdNextRound")->click();
  }

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
    NextRound();
    EXPECT_EQ(Frame(), QString("Round %1").arg(round));
    EXPECT_EQ(Child<QProgressBar>(*window, "proStamina")->value(), 29);
    EXPECT_EQ(Child<QPlainTextEdit>(*window, "txtComments")->toPlainText().toStdString(),
              game.fight.txtComments);
    EXPECT_TRUE(Child(*window, "cmdDive")->isVisible());
    if (round == 5) Render(*window, "frmFight.png");
  }
  EXPECT_EQ(Text("cmdNextRound"), "Judges Decision");
  EXPECT_TRUE(t.screen.fightOpen);
  NextRound();
  EXPECT_EQ(Frame(), "Round 10");
  EXPECT_FALSE(t.screen.fightOpen);
  EXPECT_EQ(t.screen.messages.back(),
            (Shown{"Sam Ashworth has drawn with Bartholomew Kestovic", "Latest Boxing Results"}));
  EXPECT_TRUE(t.random.values.empty());
}

// Escape and the close box ask first: Yes retires as the Retire button does, No fights on.
TEST_F(FightWindowTest, EscapeOrTheCloseBoxRetiresOnlyOnYes) {
  const Shown question{"Retire from this bout? It counts as a loss.", "Ringvale"};
  for (const bool escape : {false, true}) {
    for (const bool yes : {false, true}) {
      SCOPED_TRACE(std::to_string(escape) + std::to_string(yes));
      SetUp();
      t.screen.messages.clear();
      t.screen.questions.clear();
      Open(2);
      NextRound();
      const Career before = game.career;
      const std::vector<Shown> shown = t.screen.messages;
      t.screen.answers = {yes};
      escape ? QTest::keyClick(window.get(), Qt::Key_Escape) : (void)window->close();
      EXPECT_EQ(t.screen.questions, std::vector<Shown>{question});
      EXPECT_TRUE(window->isVisible());
      if (!yes) {
        EXPECT_EQ(game.career, before);
        EXPECT_EQ(t.screen.messages, shown);
        NextRound();
        EXPECT_EQ(Frame(), "Round 2");
        continue;
      }
      EXPECT_EQ(Frame(), "Retired");
      EXPECT_EQ(std::pair(int(game.career.Roster[0].Losses), int(game.career.Roster[2].Wins)),
                std::pair(1, 1));
      EXPECT_EQ(std::vector<Shown>(t.screen.messages.end() - 2, t.screen.messages.end()),
                (std::vector<Shown>{{"Sam has retired.", "Ringvale"},
                                    {"Deacon Flint has beaten Sam", "Latest Boxing Results"}}));
      EXPECT_FALSE(t.screen.fightOpen);
    }
  }
  // Once the bout is over, closing asks and records nothing more.
  t.screen.questions.clear();
  const Career ended = game.career;
  window->close();
  EXPECT_TRUE(t.screen.questions.empty());
  EXPECT_EQ(game.career, ended);
  EXPECT_FALSE(window->isVisible());
}

// "&" is no keyboard mnemonic in a name: the frame caption and the fight window show it as typed.
TEST_F(FightWindowTest, ANameWithAnAmpersandShowsAsTyped) {
  game.career.Roster[0].Name = "Tom & Jerry";
  game.career.Roster[1].Name = "A&B";
  Open(1);
  EXPECT_EQ(Text("lblPlayer") + " / " + Text("lblRival"), "Tom & Jerry / A&B");
  Render(*window, "frmFight-ampersand.png");
  frmMain main(game);
  RefreshStatus(game);
  main.Redraw();
  const QString caption = Child<QGroupBox>(main, "frmBoxer")->title();
  EXPECT_EQ(caption, "Tom && Jerry");  // drawn as "Tom & Jerry"
  EXPECT_TRUE(QKeySequence::mnemonic(caption).isEmpty());
  Render(main, "frmMain-ampersand.png");
}

}  // namespace
}  // namespace ringvale::test

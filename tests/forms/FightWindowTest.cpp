#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <string>
#include <vector>

#include "../modules/WeekSetup.h"
#include "TestGame.h"
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
  template <typename Widget>
  Widget* Find(const char* name) {
    auto* widget = window->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // One press of Next Round with no landed punch and a quiet round text.
  void NextRound() {
    t.random.Push({0.0});
    PushMisses(t.random, 20);
    if (game.bout.FightRound < 9) t.random.Push({QuietComment});
    Find<QPushButton>("cmdNextRound")->click();
  }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &press);
  }

  TestGame t;
  Game& game = t.game;
  std::unique_ptr<frmFight> window;
};

TEST_F(FightWindowTest, LaidOutAsDrawnWithItsControlsNamed) {
  Open(1);
  EXPECT_EQ(window->windowTitle(), QString(34, ' ') + "Fight Night");
  EXPECT_EQ(window->size(), QSize(350, 439));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "Welcome to tonight's Ringvale,");
  EXPECT_EQ(Find<QLabel>("Label3")->text(), "vs");
  auto* player = Find<QLabel>("lblPlayer");
  EXPECT_EQ(player->text(), "Sam");
  EXPECT_EQ(player->font().family(), "Courier New");
  EXPECT_TRUE(player->font().bold());
  EXPECT_EQ(Find<QLabel>("lblRival")->text(), "Ivo Marchetti");
  EXPECT_EQ(Find<QGroupBox>("fraFight")->title(), "Welcome to Fight Night!");
  EXPECT_EQ(Find<QGroupBox>("fraFight")->geometry(), QRect(16, 144, 321, 281));
  for (const char* name : {"proStamina", "proRivStamina"}) {
    auto* bar = Find<QProgressBar>(name);
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 40);
    EXPECT_FALSE(bar->isTextVisible());
  }
  auto* comments = Find<QPlainTextEdit>("txtComments");
  EXPECT_TRUE(comments->isReadOnly());
  EXPECT_EQ(comments->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(comments->toPlainText().toStdString(), game.fight.txtComments);
  EXPECT_FALSE(comments->toPlainText().isEmpty());
  EXPECT_TRUE(Find<QRadioButton>("optAttack")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("optDefend")->isChecked());
  EXPECT_FALSE(Find<QPushButton>("cmdDive")->isVisible());
  EXPECT_EQ(Find<QPushButton>("cmdRetire")->text(), "Retire");
  EXPECT_EQ(Find<QLabel>("Label7")->text(), "Power");
  EXPECT_EQ(Find<QLabel>("Label2")->text(), "Power");
  EXPECT_TRUE(Find<QPushButton>("cmdNextRound")->isDefault());
}

TEST_F(FightWindowTest, NinePressesLeaveTheJudgesDecisionAndTheTenthDecides) {
  Open(1);
  auto* next = Find<QPushButton>("cmdNextRound");
  auto* frame = Find<QGroupBox>("fraFight");
  for (int round = 1; round <= 9; ++round) {
    NextRound();
    EXPECT_EQ(frame->title(), QString("Round %1").arg(round));
    EXPECT_EQ(Find<QProgressBar>("proStamina")->value(), 29);
    EXPECT_EQ(Find<QPlainTextEdit>("txtComments")->toPlainText().toStdString(),
              game.fight.txtComments);
  }
  EXPECT_EQ(next->text(), "Judges Decision");
  EXPECT_TRUE(t.screen.fightOpen);
  NextRound();
  EXPECT_EQ(frame->title(), "Round 10");
  EXPECT_FALSE(t.screen.fightOpen);
  EXPECT_EQ(t.screen.messages.back(), (Shown{"Sam has drawn with Ivo Marchetti", Results}));
  EXPECT_TRUE(t.random.values.empty());
}

TEST_F(FightWindowTest, EnterPlaysTheNextRound) {
  Open(1);
  t.random.Push({0.0});
  PushMisses(t.random, 20);
  t.random.Push({QuietComment});
  Key(Qt::Key_Return);
  EXPECT_EQ(game.bout.FightRound, 1);
  EXPECT_EQ(Find<QGroupBox>("fraFight")->title(), "Round 1");
}

TEST_F(FightWindowTest, RetiringBeforeTheFirstRoundIsALoss) {
  Open(2);
  Find<QPushButton>("cmdRetire")->click();
  EXPECT_EQ(game.bout.FightRound, 0);
  EXPECT_EQ(game.career.Roster[0].Losses, 1);
  EXPECT_EQ(game.career.Roster[2].Wins, 1);
  EXPECT_EQ(Find<QGroupBox>("fraFight")->title(), "Retired");
  EXPECT_EQ(t.screen.messages.end()[-2], (Shown{"Sam has retired.", "Ringvale"}));
  EXPECT_EQ(t.screen.messages.back(), (Shown{"Deacon Flint has beaten Sam", Results}));
  EXPECT_FALSE(t.screen.fightOpen);
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

TEST_F(FightWindowTest, ThirdKnockdownKnocksThePlayerOut) {
  Open(4);
  // Round 2 text 5, round 5 text 1 and round 6 text 3 each floor the player.
  const std::vector<double> comments{QuietComment, 0.95, QuietComment, QuietComment, 0.2, 0.6};
  for (const double comment : comments) {
    t.random.Push({0.0});
    PushMisses(t.random, 20);
    t.random.Push({comment});
    Find<QPushButton>("cmdNextRound")->click();
  }
  EXPECT_EQ(t.screen.messages.end()[-2], (Shown{"Sam has been knocked out!!!", "KO KO KO"}));
  EXPECT_EQ(game.career.Roster[4].KOs, 1);
  EXPECT_EQ(game.career.Roster[4].Wins, 1);
  EXPECT_FALSE(t.screen.fightOpen);
}

TEST_F(FightWindowTest, AttackOrDefendChangesNothing) {
  std::vector<Career> careers;
  std::vector<std::vector<Shown>> messages;
  for (const char* choice : {"optAttack", "optDefend"}) {
    SetUp();
    t.screen.messages.clear();
    Open(5);
    Find<QRadioButton>(choice)->click();
    EXPECT_TRUE(Find<QRadioButton>(choice)->isChecked());
    for (int round = 1; round <= 10; ++round) {
      t.random.Push({0.0});
      // Every third punch lands, so the boxers tire and throw fewer as the bout goes on.
      const int punches = Punches(game.career.Roster[0]) + Punches(game.career.Roster[5]);
      for (int punch = 0; punch < punches; ++punch) t.random.Push({punch % 3 == 0 ? 0.9 : 0.1});
      if (round < 10) t.random.Push({QuietComment});
      Find<QPushButton>("cmdNextRound")->click();
    }
    EXPECT_TRUE(t.random.values.empty());
    EXPECT_FALSE(t.screen.fightOpen);
    careers.push_back(game.career);
    messages.push_back(t.screen.messages);
  }
  EXPECT_EQ(careers[0], careers[1]);
  EXPECT_EQ(messages[0], messages[1]);
}

TEST_F(FightWindowTest, BarsShowScoresClampedToTheirRange) {
  game.career.Roster[0].Strength = 300;
  game.career.Roster[0].Weight = 300;
  game.career.Roster[0].Speed = 0;
  game.career.Roster[6].Strength = -400;
  game.career.Roster[6].Speed = 0;
  Open(6);
  t.random.Push({0.0, QuietComment});
  Find<QPushButton>("cmdNextRound")->click();
  EXPECT_EQ(Find<QProgressBar>("proStamina")->value(), 40);
  EXPECT_EQ(Find<QProgressBar>("proRivStamina")->value(), 0);
}

TEST_F(FightWindowTest, DiveButtonAppearsWithAnOfferAndLosesTheBout) {
  SwapRanks(game, 0, 8);
  Open(7, 0.5);
  auto* dive = Find<QPushButton>("cmdDive");
  EXPECT_TRUE(dive->isVisible());
  t.random.Push({0.0});  // not caught
  dive->click();
  EXPECT_EQ(game.career.Roster[0].Losses, 1);
  EXPECT_EQ(Find<QGroupBox>("fraFight")->title(), "Took a dive");
  EXPECT_FALSE(t.screen.fightOpen);
}

// Writes the window in round 5 as a picture when RINGVALE_RENDER_DIR names a folder.
TEST_F(FightWindowTest, RendersRoundFive) {
  const QString folder = qEnvironmentVariable("RINGVALE_RENDER_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "RINGVALE_RENDER_DIR not set";
  game.career.Roster[0].Name = "Sam Ashworth";
  game.career.Roster[3].Name = "Bartholomew Kestovic";
  Open(3, 0.5);
  for (int round = 1; round <= 5; ++round) NextRound();
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_TRUE(window->grab().save(folder + "/frmFight.png"));
}

}  // namespace
}  // namespace ringvale::test

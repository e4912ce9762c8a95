// The main window, and the fight window a week opens from it.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "../modules/WeekSetup.h"
#include "CareerFiles.h"
#include "GameApplication.h"
#include "Widgets.h"
#include "frmFight.h"
#include "frmMain.h"
#include "modFights.h"
#include "modFile.h"

namespace ringvale::test {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  // The open-file step answers from loadAnswers, front first, and records where it started.
  MainWindowTest() {
    main.ChooseCareerFile = [this](const QString& start) {
      loadStarts << start;
      return loadAnswers.isEmpty() ? QString() : loadAnswers.takeFirst();
    };
  }
  QString Text(const char* name) { return Child(main, name)->property("text").toString(); }
  QStringList Lines(const char* name) {
    QStringList lines;
    auto* combo = Child<QComboBox>(main, name);
    for (int i = 0; i < combo->count(); ++i) lines << combo->itemText(i);
    return lines;
  }
  bool Enabled(const char* name) { return Child(main, name)->isEnabled(); }
  bool Hidden(const char* name) { return Child(main, name)->isHidden(); }
  void Trigger(const char* action) { Child<QAction>(main, action)->trigger(); }
  void NewSam() {
    t.screen.inputs.push_back("Sam");
    t.random.Push({0.0});  // line-up 0
    Trigger("mnuNew");
  }
  QString PathIn(const char* file) const {
    return QString::fromStdString((t.game.folder / file).string());
  }
  TestGame t;
  frmMain main{t.game};
  QStringList loadAnswers, loadStarts;
};

TEST_F(MainWindowTest, NewSaveAndLoadShowTheCareerAndACancelledLoadChangesNothing) {
  NewSam();
  EXPECT_EQ(Child<QGroupBox>(main, "frmBoxer")->title(), "Sam");
  QStringList shown;
  for (const char* label :
       {"lblStrength", "lblWeight", "lblSpeed", "lblWins", "lblMoney", "lblWeeks", "lblChamp"})
    shown << Text(label);
  EXPECT_EQ(shown, QStringList(
                       {"90", "108", "86", "0", "$20000", "Year : 0, Week : 1", "Walt Brannigan"}));
  EXPECT_EQ(Child<QProgressBar>(main, "proPower")->value(), 97);
  EXPECT_EQ(Lines("cmbBoxers").last(), "Sam");
  EXPECT_EQ(Child<QListWidget>(main, "lstRanks")->item(0)->text(), "");  // the champion's line
  t.game.career.Money = 1234.5;
  Trigger("mnuSave");
  t.game.career.Money = 1;  // memory moves on after the save; loading brings back the file
  loadAnswers = {PathIn("Sam.box"), ""};
  Trigger("mnuLoad");
  EXPECT_EQ(Text("lblMoney"), "$1234.5");
  t.game.career.Money = 99;
  const Career before = t.game.career;
  Trigger("mnuLoad");
  EXPECT_EQ(t.game.career, before);
  // The dialog opens in the game folder, then on the file last chosen.
  EXPECT_EQ(loadStarts,
            (QStringList{QString::fromStdString(t.game.folder.string()), PathIn("Sam.box")}));
  EXPECT_TRUE(t.screen.messages.empty());
}

// Each tab of a well-trained career, pictured with its text checked for clipping.
TEST_F(MainWindowTest, EveryTabShowsALoadedCareer) {
  WriteBytes(t.game.folder / "Rocky.box", Fixture("rocky-year3.box"));
  loadAnswers = {PathIn("Rocky.box")};
  Trigger("mnuLoad");
  Child<QTimer>(main, "timPunch")->stop();  // still for the camera
  EXPECT_EQ(Child<QProgressBar>(main, "proPower")->value(), PowerBarTop);
  const std::vector<std::vector<const char*>> pictures = {{}, {"imgP1"}, {}, {}};
  for (int tab = 0; tab < 4; ++tab) {
    t.game.main.tabMain = tab;
    main.Redraw();
    Render(main, QStringLiteral("frmMain-tab%1.png").arg(tab), pictures[tab]);
  }
}

// Arranging a bout from the keyboard is played in the accessibility tests.
TEST_F(MainWindowTest, AChallengeIsSignedOnArrangeBout) {
  NewSam();
  t.game.booking.MatchA = 1;  // Calvin Drummore, ranked 8
  IssueChallenge(t.game);
  main.Redraw();
  Render(main, "frmMain-challenge.png");
  EXPECT_EQ(AccessProblems(main), std::vector<std::string>{});
  EXPECT_EQ(Child(main, "lblMoney")->accessibleName(), "Money: $20000");
  EXPECT_EQ(Child(main, "proPower")->accessibleDescription(), "97 of 130");
  EXPECT_EQ(Child<QTabWidget>(main, "tabMain")->currentIndex(), ArrangeBoutTab);
  EXPECT_EQ(Child<QComboBox>(main, "cmbBoxers")->currentText(), "Calvin Drummore");
  EXPECT_FALSE(Enabled("cmbBoxers") || Enabled("frameArrange") || Hidden("cmdSign"));
  Child<QPushButton>(main, "cmdSign")->click();
  EXPECT_EQ(Text("lblChallenge"), "You are fighting Calvin Drummore.");
  EXPECT_EQ(Lines("comUpcoming"), QStringList{"Sam vs Calvin Drummore in 6 week(s)"});
  EXPECT_TRUE(Hidden("cmdSign") && Enabled("frameArrange") && !Enabled("frameAgree"));
}

// An induction at the forced retirement shows at once in a hall of fame left open.
TEST_F(MainWindowTest, AnOpenHallOfFameShowsTheInductionAsOnDisk) {
  SetUpCareer(t.game);
  t.game.career.Year = 9;
  t.game.career.Week = 52;
  t.game.career.TitleDefences = 1;
  t.game.career.Money = 5e6;
  QWidget* high = &OpenedBy(main, "mnuHigh", "frmHigh");
  PushDraw(t.random, 1, 9);
  PushRivalTraining(t.random);
  Child<QPushButton>(main, "cmdNextWeek")->click();
  auto* list = Child<QListWidget>(*high, "lstHigh");
  EXPECT_EQ(list->item(0)->text(), "1 - Sam\t TD: 1\t $5000000");
  EXPECT_EQ(list->item(1)->text(), "2 - Thaddeus Grell\t TD: 7\t $2400000");
  Render(*high, "frmHigh-induction.png");
}

// The guard of the application object, driven with an exit step that lets the test live on.
TEST_F(MainWindowTest, OverflowShowsOverflowAndEndsWithoutWritingAFile) {
  NewSam();
  const std::string saved = ReadBytes(t.game.folder / "Sam.box");
  t.game.career.Year = 700;  // 700 x 52 weeks does not fit 16 bits
  QStringList shown;
  OnNextModal([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) shown = {box->text(), box->windowTitle()};
    QTest::keyClick(modal, Qt::Key_Return);
  });
  int ends = 0;
  const bool delivered = GameApplication::DeliverGuarded(
      [&] {
        SaveCareer(t.game);
        return true;
      },
      [&] { ++ends; });
  EXPECT_FALSE(delivered);
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(shown, QStringList({"Overflow", "Ringvale"}));
  EXPECT_EQ(ReadBytes(t.game.folder / "Sam.box"), saved);
}

// The player's bout against `rival` in a fight window of its own, as the week advance opens it.
class FightWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCareer(game); }

  void Open(int rival, double bribeRoll = 0.0) {
    game.bout.FighterB = rival;  // against the player
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
    PushMissedRounds(t.random, 1);
    if (game.bout.FightRound < 9) t.random.Push({QuietComment});
    Child<QPushButton>(*window, "cmdNextRound")->click();
  }

  TestGame t;
  Game& game = t.game;
  std::unique_ptr<frmFight> window;
};

// With long names and a dive on offer, pictured in round 5 with its text checked for clipping,
// and read as a screen reader would.
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
  EXPECT_EQ(AccessProblems(*window), std::vector<std::string>{});
  // Each stamina bar says whose it is and its value, to the eye and to a screen reader.
  const QString rival = QString("Bartholomew Kestovic: %1 of 40").arg(game.fight.proRivStamina);
  for (const auto& [bar, says] : {std::pair{"proStamina", QString("Sam Ashworth: 29 of 40")},
                                  std::pair{"proRivStamina", rival}}) {
    EXPECT_EQ(Child(*window, bar)->toolTip(), says);
    EXPECT_EQ(Child(*window, bar)->accessibleName(), says);
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

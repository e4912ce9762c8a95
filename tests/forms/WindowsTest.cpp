// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's windows: the main window, the fight window a week opens from it, the splash, the
// licences, About and hall of fame windows, and the boxes of the real window system.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRawFont>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QtEndian>
#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>

#include "../modules/WeekSetup.h"
#include "CareerFiles.h"
#include "GameApplication.h"
#include "QtScreen.h"
#include "Twips.h"
#include "Widgets.h"
#include "frmAbout.h"
#include "frmFight.h"
#include "frmHigh.h"
#include "frmMain.h"
#include "frmSplash.h"
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

TEST_F(MainWindowTest, NewSaveAndLoadShowTheCareerAndACancelledLoadOrAnOverflowChangesNothing) {
  NewSam();
  EXPECT_EQ(Child<QGroupBox>(main, "frmBoxer")->title(), "Sam");
  QStringList shown;
  for (const char* label :
       {"lblStrength", "lblWeight", "lblSpeed", "lblWins", "lblMoney", "lblWeeks", "lblChamp"})
    shown << Text(label);
  EXPECT_EQ(shown, QStringList(
                       {"90", "108", "86", "0", "$20000", "Year : 0, Week : 1", "Walt Brannigan"}));
  EXPECT_EQ(Child<QComboBox>(main, "cmbBoxers")->itemText(RosterSize - 1), "Sam");
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

  // The guard of the application object, driven with an exit step that lets the test live on:
  // an overflow is named, and ends the game without writing a file.
  const std::string saved = ReadBytes(t.game.folder / "Sam.box");
  t.game.career.Year = 700;  // 700 x 52 weeks does not fit 16 bits
  QStringList boxed;
  OnNextModal([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) boxed = {box->text(), box->windowTitle()};
    QTest::keyClick(modal, Qt::Key_Return);
  });
  int ends = 0;
  EXPECT_FALSE(GameApplication::DeliverGuarded(
      [&] {
        SaveCareer(t.game);
        return true;
      },
      [&] { ++ends; }));
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(boxed, QStringList({"Overflow", "Ringvale"}));
  EXPECT_EQ(ReadBytes(t.game.folder / "Sam.box"), saved);
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
  EXPECT_EQ(Child<QTabWidget>(main, "tabMain")->currentIndex(), ArrangeBoutTab);
  auto* boxers = Child<QComboBox>(main, "cmbBoxers");
  EXPECT_EQ(boxers->currentText(), "Calvin Drummore");
  EXPECT_FALSE(Enabled("cmbBoxers") || Enabled("frameArrange") || Hidden("cmdSign"));
  // The choices explained in the game's numbers, to the eye and to a screen reader alike.
  EXPECT_EQ(Text("lblPowerBar"), "97 / 130");
  EXPECT_EQ(Child(main, "proPower")->accessibleDescription(),
            "Power 97 / 130: weight × strength / 100. Every punch that lands on you takes 1 "
            "strength; each week's training lifts a strength or weight of 80 or less to 82.");
  EXPECT_EQ(Child(main, "optRest")->accessibleDescription(),
            "Rest: +3 weight a week, up to about 120, for 1 strength and 1 speed. Weight adds to "
            "your score in every round.");
  for (const char* name : {"optPower", "optSpeed", "optRest", "proPower", "proSpeed", "cmbBoxers"})
    EXPECT_EQ(QTextDocumentFragment::fromHtml(Child(main, name)->toolTip()).toPlainText(),
              Child(main, name)->accessibleDescription())
        << name;
  EXPECT_EQ(boxers->accessibleDescription(),
            "Place 9: Calvin Drummore. Ranked next to you: you may challenge him.");
  Child<QPushButton>(main, "cmdSign")->click();
  EXPECT_EQ(boxers->accessibleDescription(),
            "Place 9: Calvin Drummore. Ranked next to you, but you have a bout booked.");
  EXPECT_EQ(Text("lblChallenge"), "You are fighting Calvin Drummore.");
  auto* upcoming = Child<QComboBox>(main, "comUpcoming");
  EXPECT_EQ(std::pair(upcoming->count(), upcoming->itemText(0)),
            std::pair(1, QString("Sam vs Calvin Drummore in 6 week(s)")));
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
  Render(*high, "frmHigh-induction.png");
}

// The player's bout against `rival` in a fight window of its own, as the week advance opens it.
class FightWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpCareer(game); }

  void Open(int rival, double bribeRoll = 0.0) {
    t.screen.messages.clear();
    t.screen.questions.clear();
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
    PushRound(t.random, game.bout.FightRound + 1, QuietComment);
    Child<QPushButton>(*window, "cmdNextRound")->click();
  }

  TestGame t;
  Game& game = t.game;
  std::unique_ptr<frmFight> window;
};

// With long names and a dive on offer, pictured in round 5 with its text checked for clipping,
// and read as a screen reader would. "&" is no keyboard mnemonic in a name: it shows as typed.
TEST_F(FightWindowTest, NinePressesLeaveTheJudgesDecisionAndTheTenthDecides) {
  game.career.Roster[0].Name = "Sam & Ashworth";
  game.career.Roster[3].Name = "Bartholomew&Kestovic";
  Open(3, 0.5);
  EXPECT_EQ(Text("lblPlayer") + " / " + Text("lblRival"), "Sam & Ashworth / Bartholomew&Kestovic");
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
  EXPECT_EQ(Child(*window, "cmdDive")->accessibleDescription(),
            "Dive: lose this bout on purpose for the fixer's $600,000. 1 dive in 5 is found out: "
            "then there is no money and a fine of $50,000.");
  // The keyboard's place shows in yellow on the dark window; Fight On is the last stop.
  for (int press = 0; press < 2; ++press) QTest::keyClick(window.get(), Qt::Key_Tab);
  QWidget* focused = QApplication::focusWidget();
  EXPECT_EQ(focused, Child(*window, "txtComments"));
  const QPoint topEdge = focused->mapTo(window.get(), QPoint(focused->width() / 2, 1));
  const QImage image = window->grab().toImage();
  EXPECT_EQ(image.pixelColor(topEdge * image.devicePixelRatio()), QColor(0xff, 0xd7, 0x00));
  // Each stamina bar says whose it is and its value, to the eye and to a screen reader.
  const QString rival = QString("Bartholomew&Kestovic: %1 of 40").arg(game.fight.proRivStamina);
  for (const auto& [bar, says] : {std::pair{"proStamina", QString("Sam & Ashworth: 29 of 40")},
                                  std::pair{"proRivStamina", rival}})
    EXPECT_EQ(Child(*window, bar)->toolTip() + "|" + Child(*window, bar)->accessibleName(),
              says + "|" + says);
  EXPECT_EQ(Text("cmdNextRound"), "Judges Decision");
  EXPECT_TRUE(t.screen.fightOpen);
  NextRound();
  EXPECT_EQ(Frame(), "Round 10");
  EXPECT_FALSE(t.screen.fightOpen);
  EXPECT_EQ(t.screen.messages.back(),
            (Shown{"Sam & Ashworth has drawn with Bartholomew&Kestovic", "Latest Boxing Results"}));
  EXPECT_TRUE(t.random.values.empty());
  // The main window's frame caption doubles it, to be drawn as typed.
  frmMain main(game);
  RefreshStatus(game);
  main.Redraw();
  EXPECT_EQ(Child<QGroupBox>(main, "frmBoxer")->title(), "Sam && Ashworth");
  Render(main, "frmMain-ampersand.png");
}

// Escape and the close box ask first: Yes retires as the Retire button does, No fights on.
TEST_F(FightWindowTest, EscapeOrTheCloseBoxRetiresOnlyOnYes) {
  const Shown question{"Retire from this bout? It counts as a loss.", "Ringvale"};
  for (const auto& [escape, yes] :
       {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
    SCOPED_TRACE(std::to_string(escape) + std::to_string(yes));
    SetUp();
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
  // Once the bout is over, closing asks and records nothing more.
  t.screen.questions.clear();
  const Career ended = game.career;
  window->close();
  EXPECT_TRUE(t.screen.questions.empty());
  EXPECT_EQ(game.career, ended);
  EXPECT_FALSE(window->isVisible());
}

// Fight On plays the rounds Next Round would, one at a time with each round's commentary, up to
// the knock-out's box. Escape only stops it, and Next Round plays on from there.
TEST_F(FightWindowTest, FightOnPlaysTheRoundsOfNextRoundUntilABoxOrEscape) {
  enum Way { NextRoundTwice, FightOn, FightOnEscapeNextRound };
  const auto fight = [&](Way way) {
    SetUp();
    Open(2);
    game.bout.KnockdownsB = 2;  // the second round's second text puts him down a third time
    for (const double comment : {QuietComment, 0.4}) PushRound(t.random, 1, comment);
    QStringList commentary;
    auto* comments = Child<QPlainTextEdit>(*window, "txtComments");
    QObject::connect(comments, &QPlainTextEdit::textChanged,
                     [&] { commentary << comments->toPlainText(); });
    Child<QTimer>(*window, "timFightOn")->setInterval(1);
    Child<QPushButton>(*window, way == NextRoundTwice ? "cmdNextRound" : "cmdFightOn")->click();
    if (way == FightOnEscapeNextRound) {
      QTest::keyClick(window.get(), Qt::Key_Escape);
      QTest::qWait(50);
      EXPECT_EQ(game.bout.FightRound, 1);  // a round at a time, stopped without asking to retire
    }
    if (way != FightOn) Child<QPushButton>(*window, "cmdNextRound")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.screen.fightOpen; }, 5000));
    return std::tuple(game.career, t.screen.messages, commentary);
  };
  const auto pressed = fight(NextRoundTwice);
  EXPECT_EQ(fight(FightOn), pressed);
  EXPECT_EQ(fight(FightOnEscapeNextRound), pressed);
  EXPECT_EQ(std::get<1>(pressed)[1], (Shown{"Deacon Flint has been knocked out!!!", "KO KO KO"}));
}

namespace fs = std::filesystem;

frmMain* OpenMainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* main = qobject_cast<frmMain*>(widget); main != nullptr && main->isVisible())
      return main;
  return nullptr;
}

// Empty name: a key press. The main window opens with no career loaded.
TEST(SplashTest, AKeyOrAClickOnFramePictureOrTitlesOpensTheMainWindow) {
  for (const char* name : {"", "imgLogo", "lblProductName"}) {
    SCOPED_TRACE(name);
    TestGame t;
    frmSplash splash(t.game);
    if (*name == '\0') Render(splash, "frmSplash.png", {"imgLogo"});
    splash.show();
    ASSERT_EQ(OpenMainWindow(), nullptr);
    *name == '\0' ? QTest::keyClick(&splash, Qt::Key_Space)
                  : QTest::mouseClick(Child(splash, name), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(splash.isVisible());
    std::unique_ptr<frmMain> main(OpenMainWindow());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Child<QLabel>(*main, "lblChamp")->text(), "Champion");
    EXPECT_TRUE(t.screen.messages.empty());
  }
}

TEST(GameFolderTest, IsTheProgramFolderWhenWritableElseTheUserDataFolder) {
  TempFolder folder;
  const auto gameFolder = [](const fs::path& program, QString* problem = nullptr) {
    return GameApplication::GameFolder(QString::fromStdString(program.string()), problem);
  };
  EXPECT_EQ(gameFolder(folder.Path()), folder.Path());
  EXPECT_TRUE(fs::is_empty(folder.Path()));  // the probe leaves nothing behind

  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir(userFolder).removeRecursively();
  // A folder that does not exist cannot be written, whoever runs the test.
  const fs::path chosen = gameFolder(folder.Path() / "gone");
  EXPECT_EQ(chosen, fs::path(userFolder.toStdString()));
  EXPECT_TRUE(fs::is_directory(chosen));  // created
  EXPECT_FALSE(fs::exists(folder.Path() / "gone"));
  // Installed (its desktop entry in the prefix), it keeps out of the prefix even when it could
  // write.
  fs::create_directories(folder.Path() / "bin");
  fs::create_directories(folder.Path() / "share/applications");
  std::ofstream(folder.Path() / "share/applications/io.github.ringvale.Ringvale.desktop");
  EXPECT_EQ(gameFolder(folder.Path() / "bin"), chosen);
  EXPECT_TRUE(fs::is_empty(folder.Path() / "bin"));
  QDir(userFolder).removeRecursively();

  // A relative XDG_DATA_HOME counts for nothing; a folder that cannot be made is named, and why.
  // Out of test mode for this, which would put the folder under ~/.qttest whatever the variables.
  QStandardPaths::setTestModeEnabled(false);
  const QByteArray home = qgetenv("HOME");
  qputenv("HOME", folder.Path().c_str());
  qputenv("XDG_DATA_HOME", "relative");
  QString problem;
  const fs::path user = gameFolder(folder.Path() / "gone", &problem);
  EXPECT_TRUE(user.string().starts_with((folder.Path() / ".local/share/").string())) << user;
  EXPECT_TRUE(problem.isEmpty() && fs::is_directory(user));
  fs::remove_all(folder.Path() / ".local");
  WriteBytes(folder.Path() / ".local", "");
  EXPECT_EQ(gameFolder(folder.Path() / "gone", &problem), user);
  EXPECT_EQ(problem.toStdString(), "Careers and the hall of fame cannot be kept in \"" +
                                       user.string() + "\": Not a directory.");
  qputenv("HOME", home);
  QStandardPaths::setTestModeEnabled(true);
}

// The Load dialog lists every career file, a name starting with "." too.
TEST(LoadDialogTest, ListsHiddenCareerFilesToo) {
  TestGame t;
  WriteBytes(t.folder.Path() / ".Sam.box", Fixture("new-sam-lineup0.box"));
  frmMain main(t.game);
  QStringList listed;
  OnNextModal([&](QWidget* dialog) {
    auto* list = Child<QListView>(*dialog, "listView");
    for (int wait = 0; wait < 200 && list->model()->rowCount(list->rootIndex()) == 0; ++wait)
      QTest::qWait(10);
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
      listed << list->model()->index(row, 0, list->rootIndex()).data().toString();
    QMetaObject::invokeMethod(dialog, "reject");
  });
  Child<QAction>(main, "mnuLoad")->trigger();
  EXPECT_EQ(listed, QStringList{".Sam.box"});
}

// The licences: whole texts, each on its page and named for a reader; Escape closes the window.
TEST_F(MainWindowTest, LicencesAndAboutShowTheirTextsWholeAndCloseOnEscape) {
  main.show();
  QString game, fonts;
  OnNextModal([&](QWidget* modal) {
    EXPECT_EQ(modal->objectName(), "frmLicences");
    game = Child<QPlainTextEdit>(*modal, "txtGame")->toPlainText();
    fonts = Child<QPlainTextEdit>(*modal, "txtFonts")->toPlainText();
    for (const int page : {0, 1}) {
      Child<QTabWidget>(*modal, "tabLicences")->setCurrentIndex(page);
      EXPECT_EQ(AccessProblems(*modal), std::vector<std::string>{}) << page;
      Render(*modal, page == 0 ? "frmLicences.png" : "frmLicences-fonts.png");
    }
    QTest::keyClick(Child(*modal, "txtFonts"), Qt::Key_Escape);
    EXPECT_FALSE(modal->isVisible());
    modal->close();  // so a failure above cannot hang the test
  });
  Trigger("mnuLicences");
  const auto source = [](const char* file) { return QString::fromStdString(Fixture(file)); };
  EXPECT_TRUE(game.endsWith(source("../../LICENSE")));
  EXPECT_TRUE(fonts.contains(source("../../resources/fonts-copyright.txt")));
  EXPECT_TRUE(fonts.endsWith(source("../../LICENSES/OFL-1.1.txt")));
  // About, unclipped, closes with OK or Escape.
  frmAbout about;
  Render(about, "frmAbout.png");
  QTest::mouseClick(Child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
  EXPECT_EQ(about.result(), QDialog::Accepted);
  ExpectEscapeCloses(about, "cmdOK");
}

// Dashes until loaded; each Reload reads the file afresh into numbered rows of three columns
// that fit the box; Close and Escape (from the list) close it.
TEST(HighWindow, ShowsTheTableReadAfreshInColumnsAndClosesOnCloseOrEscape) {
  TestGame t;
  frmHigh window(t.game);
  auto* list = Child<QListWidget>(window, "lstHigh");
  ASSERT_EQ(list->count(), HallOfFameSize);
  EXPECT_EQ(list->item(9)->text(), "-");
  std::string table = "\"Marguerite-Anne Featherstonehaugh the Unbowed\",12,987654.25\r\n";
  for (int row = 1; row < HallOfFameSize; ++row) table += "\"Gum\",1,300\r\n";
  WriteBytes(t.folder.Path() / HallFileName, table);
  window.Reload();
  EXPECT_EQ(list->item(0)->text(),
            "1 - Marguerite-Anne Featherstonehaugh the Unbowed\t TD: 12\t $987654.25");
  EXPECT_EQ(
      list->item(0)->data(Qt::UserRole).toStringList(),
      QStringList({"1 - Marguerite-Anne Featherstonehaugh the Unbowed", " TD: 12", " $987654.25"}));
  EXPECT_EQ(list->item(9)->toolTip(), "<qt>10 - Gum  TD: 1  $300</qt>");
  EXPECT_EQ(Child<QLabel>(window, "lblLegend")->text(), "TD: title defences");
  EXPECT_TRUE(
      list->accessibleDescription().startsWith("TD: title defences, the bouts won on "
                                               "points as champion."));
  Render(window, "frmHigh.png");
  for (int i = 0; i < HallOfFameSize; ++i)
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << i;
  Child<QPushButton>(window, "cmdClose")->click();
  EXPECT_FALSE(window.isVisible());
  ExpectEscapeCloses(window, "lstHigh");
  EXPECT_TRUE(t.screen.messages.empty());
}

// The faces come with the program: the same family and pitch whatever the machine has installed
// (ctest runs this again with none of the machine's fonts), and the version 2 whose licence the
// game shows (its head table's revision; 1.07 was under another).
TEST(Fonts, EveryFaceIsTheGamesOwnWhateverFontsTheMachineHas) {
  for (const auto& [face, family] : {std::pair{Face::Sans, "Liberation Sans"},
                                     {Face::Serif, "Liberation Serif"},
                                     {Face::Mono, "Liberation Mono"}}) {
    for (const bool bold : {false, true}) {
      const QFont font = PointFont(face, 8, bold, bold);
      const QFontInfo info(font);
      const QByteArray head = QRawFont::fromFont(font).fontTable("head");
      const int revision = head.size() < 8 ? 0 : qFromBigEndian<quint16>(head.constData() + 4);
      EXPECT_EQ(std::tuple(info.family(), info.fixedPitch(), info.bold(), info.italic(), revision),
                std::tuple(QString(family), face == Face::Mono, bold, bold, 2));
    }
  }
}

// The real window system, with the main window open over a scripted game: a message shows the
// state it speaks of unless the window is frozen; Enter, Escape and the close box all answer a
// question No, only Yes answers Yes.
TEST(QtScreenTest, MessagesShowTheStateTheySpeakOfAndQuestionsDefaultToNo) {
  TempFolder folder;
  ScriptedRandom random;
  QtScreen screen;
  Game game{screen, random, folder.Path()};
  frmMain main{game};
  screen.SetGame(game);
  main.show();
  const auto money = [&] { return Child<QLabel>(main, "lblMoney")->text(); };
  QStringList shown;
  // Each box shows $77, the money of the unfrozen window: new, then kept while frozen.
  for (const bool frozen : {false, true}) {
    if (frozen) screen.FreezeWindow();
    game.main.lblMoney = frozen ? "$5" : "$77";  // changed by the game, not yet shown
    OnNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      shown = {box->windowTitle(), box->text(), money()};
      QTest::keyClick(box, frozen ? Qt::Key_Escape : Qt::Key_Return);
    });
    screen.Message("The fight has been arranged", "Fight is set!|");
    EXPECT_EQ(shown, QStringList({"Fight is set!|", "The fight has been arranged", "$77"}));
  }
  screen.UnfreezeWindow();
  EXPECT_EQ(money(), "$5");

  const QString prompt = "A boxer named Tom & Jerry already has a career. Replace it?";
  for (const int way : {0, 1, 2, 3}) {
    shown.clear();
    OnNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      shown = {box->objectName(), box->windowTitle(), box->text()};
      EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
      EXPECT_EQ(box->defaultButton(), qobject_cast<QPushButton*>(box->button(QMessageBox::No)));
      if (way == 0) Render(*box, "confirm.png");
      if (way == 0) QTest::keyClick(box, Qt::Key_Return);
      if (way == 1) QTest::keyClick(box, Qt::Key_Escape);
      if (way == 2) box->close();
      if (way == 3) box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(screen.Confirm(prompt.toStdString(), "Ringvale"), way == 3) << way;
    EXPECT_EQ(shown, QStringList({"MessageBox", "Ringvale", prompt})) << way;
  }
}

}  // namespace
}  // namespace ringvale::test

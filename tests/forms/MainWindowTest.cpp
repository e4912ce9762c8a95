#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <set>

#include "GameApplication.h"
#include "TestGame.h"
#include "Widgets.h"
#include "frmAbout.h"
#include "frmHigh.h"
#include "frmMain.h"
#include "modBoxer.h"
#include "modEvents.h"
#include "modFile.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

// Sam, drawn into the first line-up: he is ranked 9 with the nine rivals above him.
const QStringList LineUp0ByRank = {
    "Walt Brannigan", "Hollis Pryde",  "Ezra Kolade",   "Dewey Marchbank", "Teo Vasquero",
    "Lonnie Garbutt", "Bram Kestovic", "Rollo Vantree", "Calvin Drummore", "Sam"};

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
  QStringList Texts(std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) texts << Text(name);
    return texts;
  }
  // The rows of lstRanks or the entries of a combo box.
  QStringList Lines(const char* name) {
    QStringList lines;
    if (auto* list = qobject_cast<QListWidget*>(Child(main, name))) {
      for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(Child(main, name))) {
      for (int i = 0; i < combo->count(); ++i) lines << combo->itemText(i);
    }
    return lines;
  }
  bool Enabled(const char* name) { return Child(main, name)->isEnabled(); }
  bool Hidden(const char* name) { return Child(main, name)->isHidden(); }
  int Bar(const char* name) { return Child<QProgressBar>(main, name)->value(); }
  void Trigger(const char* action) { Child<QAction>(main, action)->trigger(); }
  void StopPictures() { Child<QTimer>(main, "timPunch")->stop(); }  // still for the camera
  void ShowTab(int index) {
    t.game.main.tabMain = index;
    main.Redraw();
  }

  void NewSam() {
    t.screen.inputs.push_back("Sam");
    t.random.Push({0.0});  // line-up 0
    Trigger("mnuNew");
  }
  void WriteRocky() {
    WriteBytes(t.game.folder / "Rocky.box",
               ReadBytes(fs::path(RINGVALE_FIXTURES) / "rocky-year3.box"));
  }
  QString PathIn(const char* file) const {
    return QString::fromStdString((t.game.folder / file).string());
  }

  TestGame t;
  frmMain main{t.game};
  QStringList loadAnswers, loadStarts;
};

TEST_F(MainWindowTest, OpensWithTheDesignTimeContents) {
  EXPECT_EQ(main.windowTitle(), "Ringvale");
  auto* tabs = Child<QTabWidget>(main, "tabMain");
  QStringList tabTexts;
  for (int i = 0; i < tabs->count(); ++i) tabTexts << tabs->tabText(i);
  EXPECT_EQ(tabTexts, QStringList({"View Stats", "Training", "Arrange Bout", "Rankings"}));
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(Child<QGroupBox>(main, "frmBoxer")->title(), "Boxer Stats");
  EXPECT_EQ(Texts({"lblChamp", "lblChallenge", "lblMoney"}),
            QStringList({"Champion", "No one wants to fight you.", ""}));
  EXPECT_EQ(Lines("lstRanks"), QStringList(10, "-"));
  EXPECT_EQ(Lines("cmbBoxers"), QStringList(10, "-"));
  EXPECT_EQ(Child<QComboBox>(main, "cmbBoxers")->currentIndex(), -1);
  auto* upcoming = Child<QComboBox>(main, "comUpcoming");
  EXPECT_EQ(std::pair(upcoming->count(), upcoming->currentIndex()), std::pair(0, -1));
  EXPECT_EQ(upcoming->placeholderText(), "Upcoming Fights");

  EXPECT_TRUE(Enabled("frameArrange"));
  EXPECT_FALSE(Enabled("frameAgree"));
  EXPECT_TRUE(Hidden("cmdSign") && Hidden("cmdReject"));
  EXPECT_TRUE(Child<QAbstractButton>(main, "optPower")->isChecked());
  for (const auto& [name, maximum] : {std::pair{"proPower", 130}, {"proSpeed", 100}}) {
    auto* bar = Child<QProgressBar>(main, name);
    EXPECT_EQ(bar->maximum(), maximum);
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_FALSE(bar->isTextVisible());
  }
  EXPECT_FALSE(Hidden("imgP1"));
  for (const char* name : {"imgP2", "imgP5", "imgS1", "imgS7"}) EXPECT_TRUE(Hidden(name)) << name;
  auto* timer = Child<QTimer>(main, "timPunch");
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 80);
}

TEST_F(MainWindowTest, ControlsSitWhereTheyWereLaidOutAndTheWindowKeepsItsSize) {
  main.show();
  auto* tabs = Child<QTabWidget>(main, "tabMain");
  EXPECT_EQ(main.centralWidget()->size(), QSize(361, 367));
  EXPECT_EQ(tabs->geometry(), QRect(16, 24, 329, 329));
  EXPECT_EQ(main.minimumSize(), main.maximumSize());
  // Relative to the tab control.
  for (const auto& [name, pixels] : {std::pair{"comUpcoming", QRect(24, 40, 281, 21)},
                                     {"lblWeeks", {152, 72, 153, 17}},
                                     {"frmBoxer", {24, 88, 281, 169}},
                                     {"cmdNextWeek", {112, 280, 121, 33}},
                                     {"proPower", {64, 88, 41, 201}},
                                     {"imgP1", {144, 152, 39, 120}},
                                     {"frameAgree", {32, 200, 257, 89}},
                                     {"lstRanks", {64, 120, 201, 204}}}) {
    auto* widget = Child(main, name);
    EXPECT_EQ(QRect(widget->mapTo(tabs, QPoint(0, 0)), widget->size()), pixels) << name;
  }
  EXPECT_EQ(Child(main, "lblMoney")->geometry(), QRect(112, 144, 137, 17));
  EXPECT_EQ(Child(main, "Command1")->geometry(), QRect(56, 72, 137, 33));
}

TEST_F(MainWindowTest, NewBoxerShowsSamsCareer) {
  NewSam();
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_EQ(Child<QGroupBox>(main, "frmBoxer")->title(), "Sam");
  EXPECT_EQ(Texts({"lblStrength", "lblWeight", "lblSpeed", "lblWins", "lblLosses", "lblKO",
                   "lblDraws", "lblMoney", "lblWeeks", "lblChamp"}),
            QStringList({"90", "108", "86", "0", "0", "0", "0", "$20000", "Year : 0, Week : 1",
                         "Walt Brannigan"}));
  EXPECT_EQ(Bar("proPower"), 97);
  EXPECT_EQ(Bar("proSpeed"), 86);
  EXPECT_EQ(Lines("cmbBoxers"), LineUp0ByRank);
  QStringList contenders = LineUp0ByRank;
  contenders[0] = "";  // the champion has his own line
  EXPECT_EQ(Lines("lstRanks"), contenders);
}

TEST_F(MainWindowTest, SaveAndLoadRoundTripThroughTheMenus) {
  NewSam();
  t.game.career.Money = 1234.5;
  t.game.career.Week = 30;
  Trigger("mnuSave");
  EXPECT_EQ(Texts({"lblMoney", "lblWeeks"}), QStringList({"$1234.5", "Year : 0, Week : 30"}));

  // Memory moves on after the save; loading brings back what was saved.
  t.game.career.Money = 1;
  t.game.career.Player().Strength = 95;
  loadAnswers = {PathIn("Sam.box")};
  Trigger("mnuLoad");
  EXPECT_EQ(loadStarts, QStringList{QString::fromStdString(t.game.folder.string())});
  EXPECT_EQ(Texts({"lblMoney", "lblWeeks", "lblStrength"}),
            QStringList({"$1234.5", "Year : 0, Week : 30", "90"}));
  EXPECT_TRUE(t.screen.messages.empty());
}

TEST_F(MainWindowTest, CancelledLoadChangesNothingAlsoAfterAnEarlierLoad) {
  NewSam();
  WriteRocky();
  loadAnswers = {PathIn("Rocky.box"), "", ""};
  Trigger("mnuLoad");
  ASSERT_EQ(Child<QGroupBox>(main, "frmBoxer")->title(), "Rocky, Jr");

  // Play on without saving, then think better of loading.
  t.game.career.Money = 99;
  t.game.main.lblMoney = "$99";
  main.Redraw();
  const Career before = t.game.career;
  const std::string fileBefore = ReadBytes(t.game.folder / "Rocky.box");
  Trigger("mnuLoad");
  Trigger("mnuLoad");
  EXPECT_EQ(t.game.career, before);
  EXPECT_EQ(Text("lblMoney"), "$99");
  EXPECT_EQ(ReadBytes(t.game.folder / "Rocky.box"), fileBefore);
  EXPECT_TRUE(t.screen.messages.empty());
  // The dialog opens on the file last chosen, and a cancel does not forget it.
  EXPECT_EQ(loadStarts, (QStringList{QString::fromStdString(t.game.folder.string()),
                                     PathIn("Rocky.box"), PathIn("Rocky.box")}));
}

// Each tab of a well-trained career, pictured with its text checked for clipping.
TEST_F(MainWindowTest, EveryTabShowsALoadedCareerAndPowerShowsAtMost130) {
  WriteRocky();
  loadAnswers = {PathIn("Rocky.box")};
  Trigger("mnuLoad");
  StopPictures();
  ASSERT_TRUE(t.screen.messages.empty());
  EXPECT_EQ(Text("lblStrength"), "120");  // 120 x 110 / 100 = 132
  EXPECT_EQ(Bar("proPower"), 130);
  ShowTab(0);
  Render(main, "frmMain-view-stats.png");
  ShowTab(1);
  ClickPower(t.game);
  for (int tick = 0; tick < 2; ++tick) TickPunch(t.game);
  main.Redraw();
  Render(main, "frmMain-training-power.png", {"imgP3"});
  ClickSpeed(t.game);
  for (int tick = 0; tick < 3; ++tick) TickPunch(t.game);
  main.Redraw();
  Render(main, "frmMain-training-speed.png", {"imgS4"});
  ShowTab(2);
  Render(main, "frmMain-arrange-bout.png");
  ShowTab(3);
  Render(main, "frmMain-rankings.png");
}

TEST_F(MainWindowTest, MenusCarryNamesMnemonicsAndShortcuts) {
  // Per item: its menu, name, text (or "-" for a separator) and shortcut.
  std::vector<QStringList> items;
  for (QAction* menu : main.menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) {
      items.push_back({menu->text(), item->objectName(), item->isSeparator() ? "-" : item->text(),
                       item->shortcut().toString()});
    }
  }
  EXPECT_EQ(items, (std::vector<QStringList>{{"&File", "mnuNew", "&New Boxer", "Ctrl+N"},
                                             {"&File", "mnuLoad", "&Load Boxer", "Ctrl+O"},
                                             {"&File", "mnuSave", "&Save Boxer", "Ctrl+S"},
                                             {"&File", "sep", "-", ""},
                                             {"&File", "mnuExit", "E&xit", "Ctrl+Q"},
                                             {"&Options", "mnuHigh", "&High Scores", ""},
                                             {"&Options", "mnubar", "-", ""},
                                             {"&Options", "mnuAbout", "&About...", ""}}));
}

TEST_F(MainWindowTest, CtrlSPressedInTheWindowRunsSave) {
  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(t.screen.messages, (std::vector<Shown>{{"No boxer loaded!!", "Uh-oh!"}}));
}

TEST_F(MainWindowTest, ArrangingABoutForwardsTheChosenRank) {
  NewSam();
  auto* boxers = Child<QComboBox>(main, "cmbBoxers");
  boxers->setFocus();
  // The player picks the boxer ranked 8 with the keyboard.
  for (int press = 0; press < 9; ++press) QTest::keyClick(boxers, Qt::Key_Down);
  EXPECT_EQ(boxers->currentIndex(), 8);
  EXPECT_EQ(t.game.main.cmbBoxersIndex, 8);

  for (int i = 0; i < 40; ++i) t.random.Push({0.5});  // the rivals' training this week
  Child<QPushButton>(main, "Command1")->click();
  EXPECT_EQ(Texts({"lblChallenge", "lblWeeks"}),
            QStringList({"You are fighting Calvin Drummore", "Year : 0, Week : 2"}));
  EXPECT_EQ(Lines("comUpcoming"), QStringList{"Sam vs Calvin Drummore in 5 week(s)"});
  EXPECT_EQ(Child<QComboBox>(main, "comUpcoming")->currentIndex(), -1);  // reads "Upcoming Fights"
}

TEST_F(MainWindowTest, AChallengeTurnsToArrangeBoutAndSigningBooksIt) {
  NewSam();
  t.game.booking.MatchA = 1;  // Calvin Drummore, ranked 8
  t.game.booking.MatchB = 0;
  IssueChallenge(t.game);
  main.Redraw();
  StopPictures();
  Render(main, "frmMain-challenge.png");
  EXPECT_EQ(Child<QTabWidget>(main, "tabMain")->currentIndex(), 2);
  EXPECT_EQ(Child<QComboBox>(main, "cmbBoxers")->currentText(), "Calvin Drummore");
  EXPECT_FALSE(Enabled("cmbBoxers") || Enabled("frameArrange"));
  EXPECT_TRUE(Enabled("frameAgree"));
  EXPECT_FALSE(Hidden("cmdSign") || Hidden("cmdReject"));
  EXPECT_EQ(Text("lblChallenge"), "Calvin Drummore challenges you to a fight");

  Child<QPushButton>(main, "cmdSign")->click();
  EXPECT_EQ(Text("lblChallenge"), "You are fighting Calvin Drummore.");
  EXPECT_TRUE(Hidden("cmdSign"));
  EXPECT_TRUE(Enabled("frameArrange"));
  EXPECT_FALSE(Enabled("frameAgree"));
  EXPECT_EQ(Lines("comUpcoming"), QStringList{"Sam vs Calvin Drummore in 6 week(s)"});
}

TEST_F(MainWindowTest, TabsAndTrainingOptionsReachTheGame) {
  main.show();
  QTabBar* bar = Child<QTabWidget>(main, "tabMain")->tabBar();
  for (const int tab : {3, 1}) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    EXPECT_EQ(t.game.main.tabMain, tab);
  }
  auto visible = [this](const char* prefix, int count) {
    std::set<int> shown;
    for (int k = 1; k <= count; ++k) {
      if (!Hidden((QByteArray(prefix) + QByteArray::number(k)).constData())) shown.insert(k);
    }
    return shown;
  };
  auto choose = [this](const char* option) {
    auto* button = Child<QAbstractButton>(main, option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  };

  choose("optSpeed");
  EXPECT_EQ(t.game.main.focus, Focus::Speed);
  EXPECT_TRUE(visible("imgP", 5).empty());
  EXPECT_EQ(visible("imgS", 7), std::set<int>{1});
  // The timer moves the speed bag on by itself.
  QTest::qWait(300);
  ASSERT_EQ(visible("imgS", 7).size(), 1u);
  EXPECT_NE(visible("imgS", 7), std::set<int>{1});
  EXPECT_TRUE(visible("imgP", 5).empty());

  choose("optRest");
  EXPECT_EQ(t.game.main.focus, Focus::Rest);
  QTest::qWait(200);
  const std::set<int> stopped = visible("imgS", 7);
  QTest::qWait(300);
  EXPECT_EQ(visible("imgS", 7), stopped);
  EXPECT_EQ(stopped.size(), 1u);
}

TEST_F(MainWindowTest, ExitClosesTheWindowWithoutSaving) {
  NewSam();
  const std::string saved = ReadBytes(t.game.folder / "Sam.box");
  t.game.career.Money = 5;
  main.show();
  // The test program must outlive the window that would end the real one.
  QApplication::setQuitOnLastWindowClosed(false);
  Trigger("mnuExit");
  QApplication::setQuitOnLastWindowClosed(true);
  EXPECT_FALSE(main.isVisible());
  EXPECT_EQ(ReadBytes(t.game.folder / "Sam.box"), saved);
  EXPECT_TRUE(t.screen.messages.empty());
}

TEST_F(MainWindowTest, AboutOpensModallyAndEscapeClosesIt) {
  main.show();
  QString title;
  OnNextModal([&](QWidget* modal) {
    if (qobject_cast<frmAbout*>(modal) != nullptr) title = modal->windowTitle();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  Trigger("mnuAbout");
  EXPECT_EQ(title, "About Ringvale");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, HighScoresOpenOnceBesideTheMainWindowReadAfreshEachTime) {
  main.show();
  Trigger("mnuHigh");
  std::string table;
  for (int row = 0; row < 10; ++row) table += "\"Champ\",1," + std::to_string(9 - row) + "\r\n";
  WriteBytes(t.game.folder / HallFileName, table);
  Trigger("mnuHigh");
  std::vector<frmHigh*> open;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* high = qobject_cast<frmHigh*>(widget); high != nullptr && high->isVisible()) {
      open.push_back(high);
    }
  }
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(Child<QListWidget>(*open[0], "lstHigh")->item(0)->text(), "1 - Champ\t TD: 1\t $9");
  EXPECT_EQ(open[0]->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(main.isEnabled());
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
  // The save runs as the menu's handler would; going through QAction itself would unwind Qt's
  // own frames, which clean nothing up on the way (the real program ends there anyway).
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
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(t.game.folder)) files.push_back(entry.path());
  EXPECT_EQ(files, std::vector<fs::path>{t.game.folder / "Sam.box"});

  // Events without errors pass the guard untouched.
  EXPECT_TRUE(GameApplication::DeliverGuarded([] { return true; }, [&] { ++ends; }));
  EXPECT_FALSE(GameApplication::DeliverGuarded([] { return false; }, [&] { ++ends; }));
  EXPECT_EQ(ends, 1);
}

}  // namespace
}  // namespace ringvale::test

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <set>

#include "GameApplication.h"
#include "NextModal.h"
#include "TestGame.h"
#include "frmAbout.h"
#include "frmHigh.h"
#include "frmMain.h"
#include "modFile.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

// Sam, drawn into the first line-up: he is ranked 9 with the nine rivals above him.
const std::vector<std::string> LineUp0ByRank = {
    "Walt Brannigan", "Hollis Pryde",  "Ezra Kolade",   "Dewey Marchbank", "Teo Vasquero",
    "Lonnie Garbutt", "Bram Kestovic", "Rollo Vantree", "Calvin Drummore", "Sam"};

class MainWindowTest : public ::testing::Test {
 protected:
  template <class Widget>
  Widget* Find(const char* name) {
    auto* widget = main.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Text(const char* label) { return Find<QLabel>(label)->text(); }
  void Trigger(const char* action) { Find<QAction>(action)->trigger(); }

  void NewSam() {
    t.screen.inputs.push_back("Sam");
    t.random.Push({0.0});  // line-up 0
    Trigger("mnuNew");
  }

  // The open-file step answers from `answers`, front first, and records where it started.
  void AnswerLoadDialog(std::vector<QString> answers) {
    loadAnswers = std::move(answers);
    main.ChooseCareerFile = [this](const QString& start) {
      loadStarts.push_back(start);
      if (loadAnswers.empty()) return QString();
      QString answer = loadAnswers.front();
      loadAnswers.erase(loadAnswers.begin());
      return answer;
    };
  }

  QString Folder() const { return QString::fromStdString(t.game.folder.string()); }
  QString PathIn(const char* file) const {
    return QString::fromStdString((t.game.folder / file).string());
  }

  TestGame t;
  frmMain main{t.game};
  std::vector<QString> loadAnswers, loadStarts;
};

TEST_F(MainWindowTest, OpensWithTheDesignTimeContents) {
  EXPECT_EQ(main.windowTitle(), "Ringvale");
  auto* tabs = Find<QTabWidget>("tabMain");
  ASSERT_EQ(tabs->count(), 4);
  EXPECT_EQ(tabs->tabText(0), "View Stats");
  EXPECT_EQ(tabs->tabText(1), "Training");
  EXPECT_EQ(tabs->tabText(2), "Arrange Bout");
  EXPECT_EQ(tabs->tabText(3), "Rankings");
  EXPECT_EQ(tabs->currentIndex(), 0);

  EXPECT_EQ(Find<QGroupBox>("frmBoxer")->title(), "Boxer Stats");
  EXPECT_EQ(Text("lblChamp"), "Champion");
  EXPECT_EQ(Text("lblChallenge"), "No one wants to fight you.");
  EXPECT_EQ(Text("lblMoney"), "");
  auto* ranks = Find<QListWidget>("lstRanks");
  auto* boxers = Find<QComboBox>("cmbBoxers");
  ASSERT_EQ(ranks->count(), 10);
  ASSERT_EQ(boxers->count(), 10);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(ranks->item(i)->text(), "-");
    EXPECT_EQ(boxers->itemText(i), "-");
  }
  EXPECT_EQ(boxers->currentIndex(), -1);
  auto* upcoming = Find<QComboBox>("comUpcoming");
  EXPECT_EQ(upcoming->count(), 0);
  EXPECT_EQ(upcoming->currentIndex(), -1);
  EXPECT_EQ(upcoming->placeholderText(), "Upcoming Fights");

  EXPECT_TRUE(Find<QGroupBox>("frameArrange")->isEnabled());
  EXPECT_FALSE(Find<QGroupBox>("frameAgree")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("cmdSign")->isHidden());
  EXPECT_TRUE(Find<QPushButton>("cmdReject")->isHidden());
  EXPECT_TRUE(Find<QRadioButton>("optPower")->isChecked());

  auto* power = Find<QProgressBar>("proPower");
  auto* speed = Find<QProgressBar>("proSpeed");
  EXPECT_EQ(power->maximum(), 130);
  EXPECT_EQ(speed->maximum(), 100);
  EXPECT_EQ(power->orientation(), Qt::Vertical);
  EXPECT_EQ(speed->orientation(), Qt::Vertical);
  EXPECT_FALSE(power->isTextVisible());
  EXPECT_FALSE(speed->isTextVisible());

  EXPECT_FALSE(Find<QWidget>("imgP1")->isHidden());
  for (const char* hidden : {"imgP2", "imgP5", "imgS1", "imgS7"}) {
    EXPECT_TRUE(Find<QWidget>(hidden)->isHidden()) << hidden;
  }
  auto* timer = Find<QTimer>("timPunch");
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 80);
}

TEST_F(MainWindowTest, ControlsSitWhereTheyWereLaidOutAndTheWindowKeepsItsSize) {
  main.show();
  auto* tabs = Find<QTabWidget>("tabMain");
  EXPECT_EQ(main.centralWidget()->size(), QSize(361, 367));
  EXPECT_EQ(tabs->geometry(), QRect(16, 24, 329, 329));
  EXPECT_EQ(main.minimumSize(), main.maximumSize());

  struct Placed {
    const char* name;
    QRect pixels;  // relative to the tab control
  };
  for (const Placed& placed :
       {Placed{"comUpcoming", {24, 40, 281, 21}}, Placed{"lblWeeks", {152, 72, 153, 17}},
        Placed{"frmBoxer", {24, 88, 281, 169}}, Placed{"cmdNextWeek", {112, 280, 121, 33}},
        Placed{"proPower", {64, 88, 41, 201}}, Placed{"imgP1", {144, 152, 39, 120}},
        Placed{"frameAgree", {32, 200, 257, 89}}, Placed{"lstRanks", {64, 120, 201, 204}}}) {
    auto* widget = Find<QWidget>(placed.name);
    EXPECT_EQ(QRect(widget->mapTo(tabs, QPoint(0, 0)), widget->size()), placed.pixels)
        << placed.name;
  }
  EXPECT_EQ(Find<QWidget>("lblMoney")->geometry(), QRect(112, 144, 137, 17));
  EXPECT_EQ(Find<QWidget>("Command1")->geometry(), QRect(56, 72, 137, 33));
}

TEST_F(MainWindowTest, NewBoxerShowsSamsCareer) {
  NewSam();

  ASSERT_EQ(t.screen.inputPrompts.size(), 1u);
  EXPECT_EQ(t.screen.inputPrompts[0], (Shown{"Whats your name?", "Create a new boxer"}));
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_EQ(ReadBytes(t.game.folder / "Sam.box"),
            ReadBytes(fs::path(RINGVALE_FIXTURES) / "new-sam-lineup0.box"));

  EXPECT_EQ(Find<QGroupBox>("frmBoxer")->title(), "Sam");
  EXPECT_EQ(Text("lblStrength"), "90");
  EXPECT_EQ(Text("lblWeight"), "108");
  EXPECT_EQ(Text("lblSpeed"), "86");
  for (const char* zero : {"lblWins", "lblLosses", "lblKO", "lblDraws"}) {
    EXPECT_EQ(Text(zero), "0") << zero;
  }
  EXPECT_EQ(Text("lblMoney"), "$20000");
  EXPECT_EQ(Text("lblWeeks"), "Year : 0, Week : 1");
  EXPECT_EQ(Find<QProgressBar>("proPower")->value(), 97);
  EXPECT_EQ(Find<QProgressBar>("proSpeed")->value(), 86);

  EXPECT_EQ(Text("lblChamp"), "Walt Brannigan");
  auto* ranks = Find<QListWidget>("lstRanks");
  auto* boxers = Find<QComboBox>("cmbBoxers");
  ASSERT_EQ(ranks->count(), 10);
  ASSERT_EQ(boxers->count(), 10);
  EXPECT_EQ(ranks->item(0)->text(), "");
  for (int rank = 0; rank < 10; ++rank) {
    if (rank > 0) {
      EXPECT_EQ(ranks->item(rank)->text().toStdString(), LineUp0ByRank[rank]);
    }
    EXPECT_EQ(boxers->itemText(rank).toStdString(), LineUp0ByRank[rank]);
  }
}

TEST_F(MainWindowTest, SaveAndLoadRoundTripThroughTheMenus) {
  NewSam();
  t.game.career.Money = 1234.5;
  t.game.career.Week = 30;
  Trigger("mnuSave");
  EXPECT_EQ(Text("lblMoney"), "$1234.5");
  EXPECT_EQ(Text("lblWeeks"), "Year : 0, Week : 30");

  // Memory moves on after the save; loading brings back what was saved.
  t.game.career.Money = 1;
  t.game.career.Player().Strength = 95;
  AnswerLoadDialog({PathIn("Sam.box")});
  Trigger("mnuLoad");

  ASSERT_EQ(loadStarts.size(), 1u);
  EXPECT_EQ(loadStarts[0], Folder());
  EXPECT_EQ(Text("lblMoney"), "$1234.5");
  EXPECT_EQ(Text("lblWeeks"), "Year : 0, Week : 30");
  EXPECT_EQ(Text("lblStrength"), "90");
  EXPECT_EQ(t.game.career.Money, 1234.5);
  EXPECT_TRUE(t.screen.messages.empty());
}

TEST_F(MainWindowTest, CancelledLoadChangesNothingAlsoAfterAnEarlierLoad) {
  NewSam();
  WriteBytes(t.game.folder / "Rocky.box",
             ReadBytes(fs::path(RINGVALE_FIXTURES) / "rocky-year3.box"));
  AnswerLoadDialog({PathIn("Rocky.box"), QString(), QString()});
  Trigger("mnuLoad");
  ASSERT_EQ(Find<QGroupBox>("frmBoxer")->title(), "Rocky, Jr");

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
  ASSERT_EQ(loadStarts.size(), 3u);
  EXPECT_EQ(loadStarts[0], Folder());
  EXPECT_EQ(loadStarts[1], PathIn("Rocky.box"));
  EXPECT_EQ(loadStarts[2], PathIn("Rocky.box"));
}

TEST_F(MainWindowTest, PowerBarShowsAtMost130) {
  WriteBytes(t.game.folder / "Rocky.box",
             ReadBytes(fs::path(RINGVALE_FIXTURES) / "rocky-year3.box"));
  AnswerLoadDialog({PathIn("Rocky.box")});
  Trigger("mnuLoad");
  auto* power = Find<QProgressBar>("proPower");
  EXPECT_EQ(Text("lblStrength"), "120");  // 120 x 110 / 100 = 132
  EXPECT_EQ(power->value(), 130);

  t.game.main.proPower = 144;
  main.Redraw();
  EXPECT_EQ(power->value(), 130);
  t.game.main.proPower = -3;
  main.Redraw();
  EXPECT_EQ(power->value(), 0);
}

TEST_F(MainWindowTest, MenusCarryNamesMnemonicsAndShortcuts) {
  const QList<QAction*> menus = main.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&Options");

  struct Item {
    const char* name;
    const char* text;
    const char* shortcut;
  };
  auto check = [](QMenu* menu, const std::vector<Item>& items) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(actions[i]->objectName(), items[i].name);
      if (items[i].text == nullptr) {
        EXPECT_TRUE(actions[i]->isSeparator()) << items[i].name;
        continue;
      }
      EXPECT_EQ(actions[i]->text(), items[i].text);
      EXPECT_EQ(actions[i]->shortcut(), QKeySequence(QString::fromUtf8(items[i].shortcut)))
          << items[i].name;
    }
  };
  check(menus[0]->menu(), {{"mnuNew", "&New Boxer", "Ctrl+N"},
                           {"mnuLoad", "&Load Boxer", "Ctrl+O"},
                           {"mnuSave", "&Save Boxer", "Ctrl+S"},
                           {"sep", nullptr, ""},
                           {"mnuExit", "E&xit", "Ctrl+Q"}});
  check(menus[1]->menu(),
        {{"mnuHigh", "&High Scores", ""}, {"mnubar", nullptr, ""}, {"mnuAbout", "&About...", ""}});
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
  auto* boxers = Find<QComboBox>("cmbBoxers");
  boxers->setFocus();
  // The player picks the boxer ranked 8 with the keyboard.
  for (int press = 0; press < 9; ++press) QTest::keyClick(boxers, Qt::Key_Down);
  EXPECT_EQ(boxers->currentIndex(), 8);
  EXPECT_EQ(t.game.main.cmbBoxersIndex, 8);

  for (int i = 0; i < 40; ++i) t.random.Push({0.5});  // the rivals' training this week
  Find<QPushButton>("Command1")->click();

  EXPECT_EQ(t.screen.Prompts(), std::vector<std::string>{"The fight has been arranged"});
  EXPECT_EQ(Text("lblChallenge"), "You are fighting Calvin Drummore");
  EXPECT_EQ(Text("lblWeeks"), "Year : 0, Week : 2");
  auto* upcoming = Find<QComboBox>("comUpcoming");
  ASSERT_EQ(upcoming->count(), 1);
  EXPECT_EQ(upcoming->itemText(0), "Sam vs Calvin Drummore in 5 week(s)");
  EXPECT_EQ(upcoming->currentIndex(), -1);  // still reads "Upcoming Fights"
}

TEST_F(MainWindowTest, AChallengeTurnsToArrangeBoutAndSigningBooksIt) {
  NewSam();
  t.game.booking.MatchA = 1;  // Calvin Drummore, ranked 8
  t.game.booking.MatchB = 0;
  IssueChallenge(t.game);
  main.Redraw();

  EXPECT_EQ(Find<QTabWidget>("tabMain")->currentIndex(), 2);
  auto* boxers = Find<QComboBox>("cmbBoxers");
  EXPECT_EQ(boxers->currentText(), "Calvin Drummore");
  EXPECT_FALSE(boxers->isEnabled());
  EXPECT_FALSE(Find<QGroupBox>("frameArrange")->isEnabled());
  EXPECT_TRUE(Find<QGroupBox>("frameAgree")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("cmdSign")->isHidden());
  EXPECT_FALSE(Find<QPushButton>("cmdReject")->isHidden());
  EXPECT_EQ(Text("lblChallenge"), "Calvin Drummore challenges you to a fight");

  Find<QPushButton>("cmdSign")->click();
  EXPECT_EQ(Text("lblChallenge"), "You are fighting Calvin Drummore.");
  EXPECT_TRUE(Find<QPushButton>("cmdSign")->isHidden());
  EXPECT_TRUE(Find<QGroupBox>("frameArrange")->isEnabled());
  EXPECT_FALSE(Find<QGroupBox>("frameAgree")->isEnabled());
  EXPECT_EQ(t.game.career.Player().Opponent, 1);
  ASSERT_EQ(Find<QComboBox>("comUpcoming")->count(), 1);
  EXPECT_EQ(Find<QComboBox>("comUpcoming")->itemText(0), "Sam vs Calvin Drummore in 6 week(s)");
}

TEST_F(MainWindowTest, TabsAndTrainingOptionsReachTheGame) {
  main.show();
  auto* tabs = Find<QTabWidget>("tabMain");
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
  EXPECT_EQ(tabs->currentIndex(), 3);
  EXPECT_EQ(t.game.main.tabMain, 3);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(t.game.main.tabMain, 1);

  auto visible = [this](const char* prefix, int count) {
    std::set<int> shown;
    for (int k = 1; k <= count; ++k) {
      const QByteArray name = QByteArray(prefix) + QByteArray::number(k);
      if (!Find<QWidget>(name.constData())->isHidden()) shown.insert(k);
    }
    return shown;
  };

  auto* speed = Find<QRadioButton>("optSpeed");
  QTest::mouseClick(speed, Qt::LeftButton, {}, QPoint(6, speed->height() / 2));
  EXPECT_EQ(t.game.main.focus, Focus::Speed);
  EXPECT_TRUE(visible("imgP", 5).empty());
  EXPECT_EQ(visible("imgS", 7), std::set<int>{1});
  // The timer moves the speed bag on by itself.
  QTest::qWait(300);
  ASSERT_EQ(visible("imgS", 7).size(), 1u);
  EXPECT_NE(visible("imgS", 7), std::set<int>{1});
  EXPECT_TRUE(visible("imgP", 5).empty());

  auto* rest = Find<QRadioButton>("optRest");
  QTest::mouseClick(rest, Qt::LeftButton, {}, QPoint(6, rest->height() / 2));
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
  bool wasAbout = false;
  OnNextModal([&](QWidget* modal) {
    wasAbout = qobject_cast<frmAbout*>(modal) != nullptr;
    title = modal->windowTitle();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  Trigger("mnuAbout");
  EXPECT_TRUE(wasAbout);
  EXPECT_EQ(title, "About Ringvale");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, HighScoresOpenBesideTheMainWindowOnce) {
  main.show();
  Trigger("mnuHigh");
  Trigger("mnuHigh");
  std::vector<frmHigh*> open;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* high = qobject_cast<frmHigh*>(widget); high != nullptr && high->isVisible()) {
      open.push_back(high);
    }
  }
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0]->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(main.isEnabled());
}

// The guard of the application object, driven with an exit step that lets the test live on.
TEST_F(MainWindowTest, OverflowShowsOverflowAndEndsWithoutWritingAFile) {
  NewSam();
  const std::string saved = ReadBytes(t.game.folder / "Sam.box");
  t.game.career.Year = 700;  // 700 x 52 weeks does not fit 16 bits

  QString shown, title;
  OnNextModal([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      shown = box->text();
      title = box->windowTitle();
    }
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
  EXPECT_EQ(shown, "Overflow");
  EXPECT_EQ(title, "Ringvale");
  EXPECT_EQ(ReadBytes(t.game.folder / "Sam.box"), saved);
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(t.game.folder)) files.push_back(entry.path());
  EXPECT_EQ(files, std::vector<fs::path>{t.game.folder / "Sam.box"});
}

TEST_F(MainWindowTest, EventsWithoutErrorsPassTheGuardUntouched) {
  int ends = 0;
  EXPECT_TRUE(GameApplication::DeliverGuarded([] { return true; }, [&] { ++ends; }));
  EXPECT_FALSE(GameApplication::DeliverGuarded([] { return false; }, [&] { ++ends; }));
  EXPECT_EQ(ends, 0);
}

}  // namespace
}  // namespace ringvale::test

#include <gtest/gtest.h>

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <memory>

#include "Game.h"
#include "NextModal.h"
#include "QtScreen.h"
#include "TestGame.h"
#include "frmFight.h"
#include "frmMain.h"

namespace ringvale::test {
namespace {

// The real window system, with the main window open over a scripted game.
class QtScreenTest : public ::testing::Test {
 protected:
  QtScreenTest() {
    screen.SetGame(game);
    main = std::make_unique<frmMain>(game);
    main->show();
  }
  QString Money() const { return main->findChild<QLabel*>("lblMoney")->text(); }

  TempFolder folder;
  ScriptedRandom random;
  QtScreen screen;
  Game game{screen, random, folder.Path()};
  std::unique_ptr<frmMain> main;
};

TEST_F(QtScreenTest, MessageShowsTheStateItSpeaksOfWithOkAndNoIcon) {
  EXPECT_EQ(screen.MainWindow(), main.get());
  game.main.lblMoney = "$77";  // changed by the game, not yet shown
  QString title, text, moneyShown;
  QMessageBox::Icon icon = QMessageBox::Critical;
  QMessageBox::StandardButtons buttons;
  OnNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    moneyShown = Money();
    QTest::keyClick(box, Qt::Key_Return);
  });
  screen.Message("The fight has been arranged", "Fight is set!|");
  EXPECT_EQ(title, "Fight is set!|");
  EXPECT_EQ(text, "The fight has been arranged");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_EQ(moneyShown, "$77");
}

TEST_F(QtScreenTest, FrozenWindowShowsNothingNewUntilReleased) {
  screen.FreezeWindow();
  EXPECT_FALSE(main->updatesEnabled());
  game.main.lblMoney = "$5";
  QString moneyShown = "unset";
  OnNextModal([&](QWidget* modal) {
    moneyShown = Money();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  screen.Message("Latest results", "Latest Boxing Results");
  EXPECT_EQ(moneyShown, "");

  screen.UnfreezeWindow();
  EXPECT_TRUE(main->updatesEnabled());
  EXPECT_EQ(Money(), "$5");
}

TEST_F(QtScreenTest, InputBoxAnswersWhatWasTypedOrNothingOnCancel) {
  QString label, title;
  OnNextModal([&](QWidget* modal) {
    auto* input = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(input, nullptr);
    label = input->labelText();
    title = input->windowTitle();
    auto* edit = input->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "");
    QTest::keyClicks(edit, "Sam");
    QTest::keyClick(edit, Qt::Key_Return);
  });
  EXPECT_EQ(screen.InputBox("Whats your name?", "Create a new boxer"), "Sam");
  EXPECT_EQ(label, "Whats your name?");
  EXPECT_EQ(title, "Create a new boxer");

  OnNextModal([&](QWidget* modal) {
    QTest::keyClicks(modal->findChild<QLineEdit*>(), "Bob");
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  EXPECT_EQ(screen.InputBox("Whats your name?", "Create a new boxer"), "");
}

TEST_F(QtScreenTest, ShowFightRunsTheFightWindowOverTheMainWindowUntilCloseFight) {
  screen.CloseFight();  // nothing open: no effect
  EXPECT_EQ(screen.FightWindow(), nullptr);

  bool wasFight = false;
  QWidget* over = nullptr;
  OnNextModal([&](QWidget* modal) {
    wasFight = qobject_cast<frmFight*>(modal) != nullptr && screen.FightWindow() != nullptr;
    over = modal->parentWidget();
    screen.CloseFight();
  });
  screen.ShowFight();
  EXPECT_TRUE(wasFight);
  EXPECT_EQ(over, main.get());
  EXPECT_EQ(screen.FightWindow(), nullptr);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace ringvale::test

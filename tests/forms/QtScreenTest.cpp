#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "QtScreen.h"
#include "TestGame.h"
#include "Widgets.h"
#include "frmMain.h"

namespace ringvale::test {
namespace {

// The real window system, with the main window open over a scripted game.
class QtScreenTest : public ::testing::Test {
 protected:
  QtScreenTest() {
    screen.SetGame(game);
    main.show();
  }
  QString Money() const { return Child<QLabel>(main, "lblMoney")->text(); }

  TempFolder folder;
  ScriptedRandom random;
  QtScreen screen;
  Game game{screen, random, folder.Path()};
  frmMain main{game};
};

TEST_F(QtScreenTest, MessageShowsTheStateItSpeaksOfUnlessTheWindowIsFrozen) {
  EXPECT_EQ(screen.MainWindow(), &main);
  game.main.lblMoney = "$77";  // changed by the game, not yet shown
  QStringList shown;
  OnNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    shown = {box->windowTitle(), box->text(), Money()};
    QTest::keyClick(box, Qt::Key_Return);
  });
  screen.Message("The fight has been arranged", "Fight is set!|");
  EXPECT_EQ(shown, QStringList({"Fight is set!|", "The fight has been arranged", "$77"}));

  screen.FreezeWindow();
  EXPECT_FALSE(main.updatesEnabled());
  game.main.lblMoney = "$5";
  OnNextModal([&](QWidget* modal) {
    shown = {Money()};
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  screen.Message("Latest results", "Latest Boxing Results");
  EXPECT_EQ(shown, QStringList({"$77"}));
  screen.UnfreezeWindow();
  EXPECT_TRUE(main.updatesEnabled());
  EXPECT_EQ(Money(), "$5");
}

// Enter, Escape and the close box all answer No; only Yes answers Yes.
TEST_F(QtScreenTest, ConfirmAsksYesOrNoWithNoTheDefault) {
  const QString prompt = "A boxer named Tom & Jerry already has a career. Replace it?";
  for (const int way : {0, 1, 2, 3}) {
    QStringList shown;
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

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "GameApplication.h"
#include "QtScreen.h"
#include "TestGame.h"
#include "Twips.h"
#include "Widgets.h"
#include "frmAbout.h"
#include "frmHigh.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "modEvents.h"

namespace ringvale::test {
namespace {

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
    EXPECT_TRUE(t.screen.messages.empty() && t.screen.inputPrompts.empty());
  }
}

TEST(GameFolderTest, IsTheProgramFolderWhenWritableElseTheUserDataFolder) {
  TempFolder folder;
  const auto gameFolder = [](const fs::path& program) {
    return GameApplication::GameFolder(QString::fromStdString(program.string()));
  };
  EXPECT_EQ(gameFolder(folder.Path()), folder.Path());
  EXPECT_TRUE(fs::is_empty(folder.Path()));  // the probe leaves nothing behind

  QStandardPaths::setTestModeEnabled(true);
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
  QStandardPaths::setTestModeEnabled(false);
}

TEST(AboutTest, ShowsItsTextUnclippedAndOkClosesIt) {
  frmAbout about;
  Render(about, "frmAbout.png");
  QTest::mouseClick(Child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
  EXPECT_EQ(about.result(), QDialog::Accepted);
  about.show();
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
  Render(window, "frmHigh.png");
  for (int i = 0; i < HallOfFameSize; ++i)
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << i;
  Child<QPushButton>(window, "cmdClose")->click();
  EXPECT_FALSE(window.isVisible());
  window.show();
  ExpectEscapeCloses(window, "lstHigh");
  EXPECT_TRUE(t.screen.messages.empty());
}

// The faces come with the program: the same family and pitch whatever the machine has installed
// (ctest runs this again with none of the machine's fonts).
TEST(Fonts, EveryFaceIsTheGamesOwnWhateverFontsTheMachineHas) {
  for (const auto& [face, family] : {std::pair{Face::Sans, "Liberation Sans"},
                                     {Face::Serif, "Liberation Serif"},
                                     {Face::Mono, "Liberation Mono"}}) {
    for (const bool bold : {false, true}) {
      const QFontInfo info(PointFont(face, 8, bold, bold));
      EXPECT_EQ(info.family(), family);
      EXPECT_EQ(info.fixedPitch(), face == Face::Mono) << family;
      EXPECT_EQ(info.bold(), bold) << family;
      EXPECT_EQ(info.italic(), bold) << family;
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
  EXPECT_EQ(screen.MainWindow(), &main);
  game.main.lblMoney = "$77";  // changed by the game, not yet shown
  QStringList shown;
  OnNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    shown = {box->windowTitle(), box->text(), money()};
    QTest::keyClick(box, Qt::Key_Return);
  });
  screen.Message("The fight has been arranged", "Fight is set!|");
  EXPECT_EQ(shown, QStringList({"Fight is set!|", "The fight has been arranged", "$77"}));

  screen.FreezeWindow();
  EXPECT_FALSE(main.updatesEnabled());
  game.main.lblMoney = "$5";
  OnNextModal([&](QWidget* modal) {
    shown = {money()};
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  screen.Message("Latest results", "Latest Boxing Results");
  EXPECT_EQ(shown, QStringList({"$77"}));
  screen.UnfreezeWindow();
  EXPECT_TRUE(main.updatesEnabled());
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

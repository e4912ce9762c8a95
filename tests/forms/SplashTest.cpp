#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "GameApplication.h"
#include "TestGame.h"
#include "Widgets.h"
#include "frmMain.h"
#include "frmSplash.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

frmMain* OpenMainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* main = qobject_cast<frmMain*>(widget);
    if (main != nullptr && main->isVisible()) return main;
  }
  return nullptr;
}

TEST(SplashTest, ShowsTitleAndVersionWithNoCaptionAndFitsItsText) {
  TestGame t;
  frmSplash splash(t.game);
  EXPECT_EQ(splash.windowTitle(), "");
  EXPECT_EQ(splash.size(), QSize(492, 283));
  for (const auto& [name, text] : {std::pair{"lblProductName", "Ringvale"},
                                   {"lblVersion", "Version 1.0.3"},
                                   {"lblCompanyProduct", "Varnholt Enterprises presents,"},
                                   {"lblCompany", "Varnholt Enterprises"}}) {
    EXPECT_EQ(Child<QLabel>(splash, name)->text(), text);
  }
  EXPECT_FALSE(Child<QLabel>(splash, "lblCredit")->text().isEmpty());
  Render(splash, "frmSplash.png", {"imgLogo"});
}

// Empty name: a key press. The main window opens with no career loaded.
TEST(SplashTest, AKeyOrAClickOnFramePictureOrTitlesOpensTheMainWindow) {
  for (const char* name : {"", "Frame1", "imgLogo", "lblCompanyProduct", "lblProductName"}) {
    SCOPED_TRACE(name);
    TestGame t;
    frmSplash splash(t.game);
    splash.show();
    ASSERT_EQ(OpenMainWindow(), nullptr);
    if (*name == '\0') {
      QTest::keyClick(&splash, Qt::Key_Space);
    } else {
      QTest::mouseClick(Child(splash, name), Qt::LeftButton, {}, QPoint(2, 2));
    }
    EXPECT_FALSE(splash.isVisible());
    std::unique_ptr<frmMain> main(OpenMainWindow());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Child<QLabel>(*main, "lblChamp")->text(), "Champion");
    EXPECT_TRUE(t.screen.messages.empty() && t.screen.inputPrompts.empty());
  }
}

TEST(SplashTest, ClicksOnCompanyVersionAndCreditDoNothing) {
  TestGame t;
  frmSplash splash(t.game);
  splash.show();
  for (const char* name : {"lblCompany", "lblVersion", "lblCredit"}) {
    QTest::mouseClick(Child(splash, name), Qt::LeftButton, {}, QPoint(2, 2));
  }
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(OpenMainWindow(), nullptr);
}

TEST(GameFolderTest, IsTheProgramFolderWhenWritableElseTheUserDataFolder) {
  TempFolder folder;
  EXPECT_EQ(GameApplication::GameFolder(QString::fromStdString(folder.Path().string())),
            folder.Path());
  EXPECT_TRUE(fs::is_empty(folder.Path()));  // the probe leaves nothing behind

  QStandardPaths::setTestModeEnabled(true);
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir(userFolder).removeRecursively();
  // A folder that does not exist cannot be written, whoever runs the test.
  const fs::path chosen =
      GameApplication::GameFolder(QString::fromStdString((folder.Path() / "gone").string()));
  EXPECT_EQ(chosen, fs::path(userFolder.toStdString()));
  EXPECT_TRUE(fs::is_directory(chosen));  // created
  EXPECT_FALSE(fs::exists(folder.Path() / "gone"));
  // Installed (its desktop entry in the prefix), it keeps out of the prefix even when it could
  // write.
  fs::create_directories(folder.Path() / "bin");
  fs::create_directories(folder.Path() / "share/applications");
  std::ofstream(folder.Path() / "share/applications/io.github.ringvale.Ringvale.desktop");
  EXPECT_EQ(GameApplication::GameFolder(QString::fromStdString((folder.Path() / "bin").string())),
            chosen);
  EXPECT_TRUE(fs::is_empty(folder.Path() / "bin"));
  QDir(userFolder).removeRecursively();
  QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace ringvale::test

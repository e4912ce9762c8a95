#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTest>
#include <filesystem>

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

// Empty name: a key press. The main window opens with no career loaded.
TEST(SplashTest, AKeyOrAClickOnFramePictureOrTitlesOpensTheMainWindow) {
  for (const char* name : {"", "imgLogo", "lblProductName"}) {
    SCOPED_TRACE(name);
    TestGame t;
    frmSplash splash(t.game);
    if (*name == '\0') Render(splash, "frmSplash.png", {"imgLogo"});
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
  QDir(userFolder).removeRecursively();
  QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace ringvale::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>

#include "GameApplication.h"
#include "TestGame.h"
#include "frmMain.h"
#include "frmSplash.h"

namespace ringvale::test {
namespace {

frmMain* OpenMainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* main = qobject_cast<frmMain*>(widget);
    if (main != nullptr && main->isVisible()) return main;
  }
  return nullptr;
}

class SplashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    splash.show();
    ASSERT_EQ(OpenMainWindow(), nullptr);
  }
  void TearDown() override { delete OpenMainWindow(); }

  QWidget* Find(const char* name) {
    auto* widget = splash.findChild<QWidget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void Click(const char* name) {
    QWidget* widget = Find(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
  }
  bool Dismissed() const { return !splash.isVisible() && OpenMainWindow() != nullptr; }

  TestGame t;
  frmSplash splash{t.game};
};

TEST_F(SplashTest, ShowsTitleVersionAndNoCaption) {
  EXPECT_EQ(splash.windowTitle(), "");
  EXPECT_EQ(splash.size(), QSize(492, 283));
  EXPECT_EQ(qobject_cast<QLabel*>(Find("lblProductName"))->text(), "Ringvale");
  EXPECT_EQ(qobject_cast<QLabel*>(Find("lblVersion"))->text(), "Version 1.0.3");
  EXPECT_EQ(qobject_cast<QLabel*>(Find("lblCompanyProduct"))->text(),
            "Varnholt Enterprises presents,");
  EXPECT_EQ(qobject_cast<QLabel*>(Find("lblCompany"))->text(), "Varnholt Enterprises");
  EXPECT_FALSE(qobject_cast<QLabel*>(Find("lblCredit"))->text().isEmpty());
}

TEST_F(SplashTest, AnyKeyOpensTheMainWindow) {
  QTest::keyClick(&splash, Qt::Key_Space);
  EXPECT_TRUE(Dismissed());
}

TEST_F(SplashTest, ClicksOnFramePictureAndTitlesOpenTheMainWindow) {
  for (const char* name : {"Frame1", "imgLogo", "lblCompanyProduct", "lblProductName"}) {
    SCOPED_TRACE(name);
    frmSplash fresh(t.game);
    fresh.show();
    auto* control = fresh.findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(fresh.isVisible());
    EXPECT_NE(OpenMainWindow(), nullptr);
    delete OpenMainWindow();
  }
}

TEST_F(SplashTest, ClicksOnCompanyVersionAndCreditDoNothing) {
  for (const char* name : {"lblCompany", "lblVersion", "lblCredit"}) Click(name);
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(OpenMainWindow(), nullptr);
}

TEST_F(SplashTest, TheMainWindowOpensWithNoCareer) {
  Click("imgLogo");
  frmMain* main = OpenMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->findChild<QLabel*>("lblChamp")->text(), "Champion");
  EXPECT_EQ(t.game.main.PunchFrame, 1);
  EXPECT_TRUE(t.screen.messages.empty());
  EXPECT_TRUE(t.screen.inputPrompts.empty());
}

TEST(GameFolderTest, IsTheProgramFolderWhenItCanBeWritten) {
  TempFolder folder;
  const QString program = QString::fromStdString(folder.Path().string());
  EXPECT_EQ(GameApplication::GameFolder(program), folder.Path());
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));  // the probe leaves nothing behind
}

TEST(GameFolderTest, FallsBackToTheUserDataFolderAndCreatesIt) {
  QStandardPaths::setTestModeEnabled(true);
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir(userFolder).removeRecursively();
  TempFolder folder;
  // A folder that does not exist cannot be written, whoever runs the test.
  const QString program = QString::fromStdString((folder.Path() / "gone").string());

  const std::filesystem::path chosen = GameApplication::GameFolder(program);

  EXPECT_EQ(chosen, std::filesystem::path(userFolder.toStdString()));
  EXPECT_TRUE(std::filesystem::is_directory(chosen));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "gone"));
  QDir(userFolder).removeRecursively();
  QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace ringvale::test

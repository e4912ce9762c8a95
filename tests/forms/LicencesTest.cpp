// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The licences the game carries, its own and its fonts', as Help > Licences shows them.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTabWidget>

#include "CareerFiles.h"
#include "Widgets.h"
#include "frmMain.h"

namespace ringvale::test {
namespace {

// Whole texts, each on its page and named for a reader; Escape closes the window.
TEST(LicencesWindow, ShowsTheGamesLicenceAndTheFontsNoticeAndLicenceWhole) {
  TestGame t;
  frmMain main{t.game};
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
  Child<QAction>(main, "mnuLicences")->trigger();
  const auto source = [](const char* file) { return QString::fromStdString(Fixture(file)); };
  EXPECT_TRUE(game.endsWith(source("../../LICENSE")));
  EXPECT_TRUE(fonts.contains(source("../../resources/fonts-copyright.txt")));
  EXPECT_TRUE(fonts.endsWith(source("../../LICENSES/OFL-1.1.txt")));
}

}  // namespace
}  // namespace ringvale::test

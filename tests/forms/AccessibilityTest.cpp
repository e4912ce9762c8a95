// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QInputDialog>
#include <QMessageBox>
#include <QSet>
#include <QTabWidget>

#include "QtScreen.h"
#include "TestGame.h"
#include "Widgets.h"
#include "frmAbout.h"
#include "frmChart.h"
#include "frmFightLog.h"
#include "frmHigh.h"
#include "frmMain.h"
#include "frmRecords.h"
#include "frmSplash.h"
#include "modFile.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

void Walk(QWidget& window) {
  window.show();
  EXPECT_EQ(AccessProblems(window), std::vector<std::string>{})
      << window.objectName().toStdString();
}

// Every window as a player meets it; the main window with a career and a challenge, and the
// fight window, are read in their own tests.
TEST(AccessibilityTest, EveryWindowNamesItsControlsAndTabsDownTheScreen) {
  TestGame t;
  frmMain main{t.game};
  Walk(main);
  EXPECT_EQ(Child(main, "lblMoney")->accessibleName(), "Money");
  const std::unique_ptr<QWidget> windows[] = {
      std::make_unique<frmHigh>(t.game),     std::make_unique<frmAbout>(),
      std::make_unique<frmSplash>(t.game),   std::make_unique<frmRecords>(t.game),
      std::make_unique<frmFightLog>(t.game), std::make_unique<frmChart>(t.game)};
  for (const auto& window : windows) Walk(*window);
  // The windows beside the main one read as windows with their titles, as the main one does.
  for (QWidget* window :
       {windows[3].get(), windows[4].get(), windows[5].get(), static_cast<QWidget*>(&main)}) {
    const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(std::pair(reader->role(), reader->text(QAccessible::Name)),
              std::pair(QAccessible::Window, window->windowTitle()));
  }

  QtScreen screen;
  auto walkThenClose = [](QWidget* modal) {
    Walk(*modal);
    QTest::keyClick(modal, Qt::Key_Escape);
  };
  OnNextModal(walkThenClose);
  screen.Message("The fight has been arranged", "Fight is set!|");
  OnNextModal(walkThenClose);
  EXPECT_EQ(screen.InputBox("Whats your name?", "Create a new boxer"), "");  // Escape cancels
}

// A key as the window system delivers it: to the window with the focus, which hands it to its
// open menu or its focused control and tries its shortcuts first. A window manager gives the
// keyboard back to the window under a closed box; the offscreen platform leaves that to us.
void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  if (QGuiApplication::focusWindow() != window.windowHandle()) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QTest::keyClick(window.windowHandle(), key, modifiers);
}

// Answers every box and plays every round with Enter from inside the modal loops, keeping what
// the boxes said. Each answer arms the next first, as a box may open inside the answer.
struct KeyboardPlayer {
  void Arm() {
    QTimer::singleShot(0, &context, [this] {
      Arm();
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      // A key sent lets events run: none again to a window still taking the last one.
      if (modal == nullptr || answering.contains(modal)) return;
      if (++tries > 1000) {  // a window the keys cannot close fails the test, not hangs it
        ADD_FAILURE() << "stuck in " << modal->objectName().toStdString();
        return modal->done(QDialog::Rejected);
      }
      if (QGuiApplication::focusWindow() != modal->windowHandle()) return modal->activateWindow();
      answering.insert(modal);
      if (auto* box = qobject_cast<QMessageBox*>(modal))
        seen.push_back({box->text().toStdString(), box->windowTitle().toStdString()});
      if (qobject_cast<QInputDialog*>(modal))
        for (const char letter : std::string("Sam")) QTest::keyClick(modal->windowHandle(), letter);
      Press(*modal, Qt::Key_Return);
      answering.remove(modal);
    });
  }
  std::vector<Shown> seen;
  QSet<QDialog*> answering;  // windows still taking a key, the outer ones included
  int tries = 0;
  QObject context;
};

// New from the File menu, the boxer ranked above chosen on Arrange Bout, Challenge / Next Week
// until the bout, every round and every box with Enter, Ctrl+E, then Ctrl+S: the same career,
// and the same boxes, as the game's own entry points give.
TEST(AccessibilityTest, AWholeBoutIsPlayedFromTheKeyboard) {
  TempFolder folder;
  SeededRandom random(12);
  QtScreen screen;
  Game game{screen, random, folder.Path()};
  screen.SetGame(game);
  frmMain main{game};
  main.show();
  KeyboardPlayer player;
  player.Arm();
  auto* tabs = Child<QTabWidget>(main, "tabMain");
  Press(main, Qt::Key_F, Qt::AltModifier);
  Press(main, Qt::Key_N);
  Press(main, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  Press(main, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tabs->currentIndex(), 2);
  Press(main, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Child(main, "cmbBoxers"));
  Press(main, Qt::Key_End);
  Press(main, Qt::Key_Up);
  Press(main, Qt::Key_Tab);
  OpenedBy(main, "mnuHigh", "frmHigh");  // a window beside it does not take the keyboard
  for (int week = 0; week <= 5; ++week) Press(main, Qt::Key_Return);
  EXPECT_EQ(QGuiApplication::focusWindow(), main.windowHandle());  // back after the bout
  Press(main, Qt::Key_E, Qt::ControlModifier);                     // Next Event, from this page too
  Press(main, Qt::Key_S, Qt::ControlModifier);
  QApplication::focusWidget()->clearFocus();  // the pages turn also with no control focused
  Press(main, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 3);

  SeededGame same(12);
  same.screen.inputs.push_back("Sam");
  NewBoxer(same.game);
  for (int week = 0; week <= 5; ++week) ArrangeBout(same.game, 8);
  NextEvent(same.game);
  SaveCareer(same.game);
  EXPECT_EQ(same.screen.fightsShown, 1);
  EXPECT_EQ(player.seen, same.screen.messages);
  EXPECT_EQ(ReadBytes(folder.Path() / "Sam.box"), ReadBytes(same.folder.Path() / "Sam.box"));
}

}  // namespace
}  // namespace ringvale::test

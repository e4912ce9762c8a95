// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "Windows.h"

namespace ringvale {
struct Game;
}
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class CareerWindow;
class frmHigh;

// The main window: four tabs showing the career, and the menu of career commands. Each control
// forwards its click to one entry point of the game and then redraws the window from
// game.main.
class frmMain final : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(ringvale::Game& game, QWidget* parent = nullptr);
  ~frmMain() override;

  // Copies game.main into the controls, then redraws the open career windows.
  void Redraw();
  // The records, fight log and chart windows follow the career even while this one is frozen.
  void RedrawSideWindows();
  // While frozen the window keeps showing, and painting, the picture it had when frozen.
  void Freeze();
  void Unfreeze();  // shows the game as it now stands

  // Asks for the career file to load, starting at `start` (a folder or the last chosen file);
  // "" when the player cancels. Tests replace it so no real dialog opens.
  std::function<QString(const QString& start)> ChooseCareerFile;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A click calls one entry point of the game, then the window shows what it changed.
  template <typename EntryPoint>
  auto Runs(EntryPoint entryPoint) {
    return [this, entryPoint] {
      entryPoint(game_);
      Redraw();
    };
  }
  void BuildMenus();
  void BuildViewStats(QWidget* page);
  void BuildTraining(QWidget* page);
  void BuildArrangeBout(QWidget* page);
  void BuildRankings(QWidget* page);
  void BuildStatusBar();
  void PlaceOnTab(QWidget* control, int left, int top, int width, int height);
  void PlaceTabControls();
  void SetUpKeyboardAndReaders();
  void RedrawPictures();
  QString AskForCareerFile(const QString& start);

  void mnuLoad_Click();
  void mnuCareers_Click();
  // Loads the career file at `path` as Load does.
  void LoadCareerFile(const QString& path);
  // The career in memory joins the recent ones, at their head.
  void NoteRecentCareer();
  void RebuildRecentMenu();
  void mnuHigh_Click();
  void ShowSideWindow(QPointer<CareerWindow>& window, CareerWindow* (*make)(ringvale::Game&));
  void mnuAbout_Click();
  void mnuHowToPlay_Click();
  void mnuExit_Click();
  void ChooseFocus(ringvale::Focus focus);

  ringvale::Game& game_;
  QString lastCareerFile_;  // the Load dialog opens on it next time
  QPointer<frmHigh> high_;
  QPointer<QWidget> howToPlay_;
  QPointer<QLabel> snapshot_;  // the picture shown while frozen
  QPointer<CareerWindow> records_, fightLog_, chart_;
  QMenu* mnuRecent;

  QTabWidget* tabMain;
  // View Stats
  QLabel *lblWeeks, *lblStrength, *lblWeight, *lblSpeed, *lblWins, *lblLosses, *lblKO, *lblDraws,
      *lblMoney;
  QComboBox* comUpcoming;
  QGroupBox* frmBoxer;
  QPushButton *cmdNextWeek, *cmdNextEvent;
  // Training
  QRadioButton *optPower, *optSpeed, *optRest;
  QProgressBar *proPower, *proSpeed;
  QLabel *lblPowerBar, *lblSpeedBar;
  std::array<QWidget*, ringvale::PowerFrames> imgP;
  std::array<QWidget*, ringvale::SpeedFrames> imgS;
  QTimer* timPunch;
  // Arrange Bout
  QGroupBox *frameArrange, *frameAgree;
  QComboBox* cmbBoxers;
  QPushButton *Command1, *cmdSign, *cmdReject;
  QLabel* lblChallenge;
  // Rankings
  QLabel* lblChamp;
  QListWidget* lstRanks;
  // Status bar
  QLabel *lblNews, *lblSaved;

  struct TabPlacement {
    QWidget* control;
    QRect twips;
  };
  std::vector<TabPlacement> tabPlacements_;  // positions relative to tabMain, as laid out
};

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSvgRenderer;
class QTimer;

namespace ringvale {
struct Game;
}

// The player's bout, one round per press of Next Round, or all of them with Fight On. Every way
// out of it records a result: closing the window by its frame or with Escape retires, once the
// player says so; while it fights on, they only stop it.
class frmFight final : public QDialog {
  Q_OBJECT

 public:
  explicit frmFight(ringvale::Game& game, QWidget* parent = nullptr);
  void Redraw();  // from game.fight

  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void AfterClick();
  void FightOn(bool on);  // starts or stops fighting on
  void FightOnRound();

  bool fightingOn_ = false;
  QTimer* timFightOn = nullptr;

  ringvale::Game& game_;
  QSvgRenderer* background_ = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* lblPlayer = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* lblRival = nullptr;
  QGroupBox* fraFight = nullptr;
  QProgressBar* proStamina = nullptr;
  QPlainTextEdit* txtComments = nullptr;
  QProgressBar* proRivStamina = nullptr;
  QPushButton* cmdRetire = nullptr;
  QRadioButton* optAttack = nullptr;
  QRadioButton* optDefend = nullptr;
  QPushButton* cmdDive = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* cmdNextRound = nullptr;
  QPushButton* cmdFightOn = nullptr;
};

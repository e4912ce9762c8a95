// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include "Screen.h"

namespace ringvale {
struct Game;
}
class frmMain;
class frmFight;
class QMessageBox;

// The game's window system: message boxes, the input box, Yes/No questions, the freeze of the main
// window and the modal fight window.
class QtScreen final : public ringvale::Screen {
 public:
  ~QtScreen() override;
  void SetGame(ringvale::Game& game) { game_ = &game; }
  void SetMainWindow(frmMain* main);
  frmMain* MainWindow() const;
  frmFight* FightWindow() const;

  void Message(const std::string& prompt, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title) override;
  bool Confirm(const std::string& prompt, const std::string& title) override;
  void FreezeWindow() override;
  void UnfreezeWindow() override;
  void ShowFight() override;
  void CloseFight() override;
  int BoxesShown() const override { return boxesShown_; }

 private:
  void RedrawOpenWindows();
  QWidget* DialogParent() const;

  ringvale::Game* game_ = nullptr;
  QPointer<frmMain> main_;
  QPointer<frmFight> fight_;
  QPointer<QMessageBox> box_;  // kept for the next message
  bool frozen_ = false;
  int boxesShown_ = 0;
};

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CareerWindow.h"

class FightLogModel;
class QCheckBox;
class QTableView;

// Options > Fight Log: every bout of the career, newest first, the player's own in bold on a
// tint; a check box narrows it to his bouts.
class frmFightLog final : public CareerWindow {
  Q_OBJECT

 public:
  explicit frmFightLog(ringvale::Game& game);
  void Redraw() override;

 private:
  FightLogModel* model_;
  QCheckBox* chkMine_;
  QTableView* tblFightLog_;
};

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "modFile.h"

class QComboBox;
class QPushButton;
class QStandardItemModel;
class QTableView;

// File > Careers: every career file in the game folder with where its boxer stands, to continue
// or delete. The files are read as they stand; none is loaded until Continue.
class frmCareers final : public QDialog {
  Q_OBJECT

 public:
  enum Column { Boxer, Date, Place, Wins, Losses, Draws, Money, Saved, Problem, Columns };
  static constexpr int SortRole = Qt::UserRole;

  explicit frmCareers(ringvale::Game& game, QWidget* parent = nullptr);
  // The career file chosen with Continue; the dialog is then accepted.
  QString Chosen() const { return chosen_; }

 private:
  void Reload();  // the folder as it is now
  const ringvale::CareerSummary* Current() const;
  void ShowCurrent();  // what the buttons can do for the current row
  void cmdContinue_Click();
  void cmdDelete_Click();

  ringvale::Game& game_;
  std::vector<ringvale::CareerSummary> careers_;
  QStandardItemModel* model_;
  QTableView* tblCareers_;
  QComboBox* cmbSortBy_;
  QPushButton *cmdContinue_, *cmdDelete_;
  QString chosen_;
};

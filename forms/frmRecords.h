// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CareerWindow.h"

class QComboBox;
class QSortFilterProxyModel;
class QTableView;
class RecordsModel;

// Options > Records: the ten boxers' places, records and bookings in a table that sorts by any
// column (click a heading, or focus the table and use the header's keys).
class frmRecords final : public CareerWindow {
  Q_OBJECT

 public:
  explicit frmRecords(ringvale::Game& game);
  void Redraw() override;

 private:
  RecordsModel* model_;
  QSortFilterProxyModel* sorted_;
  QTableView* tblRecords_;
  QComboBox* cmbSortBy_;
};

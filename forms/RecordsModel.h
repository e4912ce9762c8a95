// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace ringvale {
struct Game;
}

// The ten boxers of the career, one row per roster slot, for the records window. Sorting goes
// by SortRole, so places and numbers sort as numbers.
class RecordsModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Place, Name, Wins, Losses, Draws, KOs, Strength, Weight, Speed, Booked, Columns };
  static constexpr int SortRole = Qt::UserRole;

  explicit RecordsModel(const ringvale::Game& game, QObject* parent = nullptr);
  // After the career changed: says which cells now read differently, one by one.
  void Refresh();
  // A row as wide as any the career may bring: a booking with the longest name.
  QList<QStringList> Samples() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const ringvale::Game& game_;
  int rows_ = 0;
  std::vector<QVariant> shown_;  // each cell's text as last refreshed, row by row
};

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordsModel.h"

#include <QBrush>
#include <QFont>
#include <algorithm>
#include <array>

#include "CareerWindow.h"
#include "FightLog.h"
#include "Game.h"
#include "Twips.h"

namespace {

const std::array<const char*, RecordsModel::Columns> Headings = {
    "Place", "Name",     "Wins",   "Losses", "Draws",
    "KOs",   "Strength", "Weight", "Speed",  "Booked bout"};

}  // namespace

RecordsModel::RecordsModel(const ringvale::Game& game, QObject* parent)
    : QAbstractTableModel(parent), game_(game) {
  Refresh();
}

void RecordsModel::Refresh() {
  const int rows = game_.career.IsLoaded() ? ringvale::RosterSize : 0;
  if (rows != rows_) {
    beginResetModel();
    rows_ = rows;
    shown_.clear();
    for (int row = 0; row < rows_; ++row)
      for (int column = 0; column < Columns; ++column)
        shown_.push_back(data(index(row, column), Qt::DisplayRole));
    endResetModel();
    return;
  }
  // Rows stay put, so the current cell and the sort survive a week; a reader hears only the
  // cells that changed.
  for (int row = 0; row < rows_; ++row) {
    for (int column = 0; column < Columns; ++column) {
      QVariant now = data(index(row, column), Qt::DisplayRole);
      QVariant& shown = shown_[std::size_t(row * Columns + column)];
      if (now == shown) continue;
      shown = std::move(now);
      emit dataChanged(index(row, column), index(row, column));
    }
  }
}

QList<QStringList> RecordsModel::Samples() const {
  if (rows_ == 0) return {};
  ringvale::Career booked = game_.career;
  const auto& roster = booked.Roster;
  const auto longest = std::max_element(
      roster.begin(), roster.end(), [](auto& a, auto& b) { return a.Name.size() < b.Name.size(); });
  booked.Roster[ringvale::PlayerIndex].Opponent = int(longest - roster.begin());
  booked.Roster[ringvale::PlayerIndex].WeeksToBout = ringvale::WeeksAhead;
  QStringList row(Columns);
  row[Booked] = QString::fromStdString(ringvale::BookingText(booked, ringvale::PlayerIndex));
  return {row};
}

int RecordsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int RecordsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Columns;
}

QVariant RecordsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  const ringvale::Career& career = game_.career;
  const ringvale::RosterEntry& boxer = career.Roster.at(index.row());
  const bool player = index.row() == ringvale::PlayerIndex;
  const auto number = [&]() -> int {
    switch (index.column()) {
      case Place:
        return boxer.Rank;
      case Wins:
        return boxer.Wins;
      case Losses:
        return boxer.Losses;
      case Draws:
        return boxer.Draws;
      case KOs:
        return boxer.KOs;
      case Strength:
        return boxer.Strength;
      case Weight:
        return boxer.Weight;
      case Speed:
        return boxer.Speed;
      default:
        return 0;
    }
  };
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      if (index.column() == Place) return QString::fromStdString(ringvale::PlaceText(boxer.Rank));
      if (index.column() == Name) {
        const QString name = QString::fromStdString(boxer.Name);
        return player && role == Qt::AccessibleTextRole ? name + QStringLiteral(" (you)") : name;
      }
      if (index.column() == Booked)
        return QString::fromStdString(ringvale::BookingText(career, index.row()));
      return number();
    case SortRole:
      if (index.column() == Name) return QString::fromStdString(boxer.Name).toCaseFolded();
      if (index.column() == Booked) {
        // Soonest bout first, the free boxers after them.
        return boxer.Opponent == ringvale::NoOpponent ? 1 << 16 : int(boxer.WeeksToBout);
      }
      return number();
    case Qt::TextAlignmentRole:
      if (index.column() == Name || index.column() == Booked)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
      return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
      return player ? PlayerRowLook(role) : QVariant();
    case Qt::ToolTipRole:
      // The whole text, for where a narrow column cut it short.
      if (index.column() == Name || index.column() == Booked)
        return data(index, Qt::AccessibleTextRole);
      return player ? QStringLiteral("Your boxer") : QVariant();
    default:
      return {};
  }
}

QVariant RecordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Columns)
    return QAbstractTableModel::headerData(section, orientation, role);
  return QString::fromUtf8(Headings[section]);
}

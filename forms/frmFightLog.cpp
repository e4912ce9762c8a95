// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmFightLog.h"

#include <QAbstractTableModel>
#include <QBoxLayout>
#include <QBrush>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include "FightLog.h"
#include "Game.h"
#include "GameNumbers.h"
#include "RowTable.h"
#include "Twips.h"
#include "modGraphics.h"

// The log's bouts, newest first, all or only the player's.
class FightLogModel final : public QAbstractTableModel {
 public:
  enum Column { When, Bout, How, Money, Columns };

  FightLogModel(const ringvale::Game& game, QObject* parent)
      : QAbstractTableModel(parent), game_(game) {}

  // Puts the bouts logged since the last call on top and redraws a bout whose money was settled
  // since; another career, or the other choice of bouts, is laid out afresh.
  void Refresh(bool mineOnly) {
    const auto& bouts = game_.log.Bouts;
    const auto firstChange = seen_.FirstChange(game_, bouts);
    if (!firstChange || mineOnly != mineOnly_) {
      beginResetModel();
      mineOnly_ = mineOnly;
      seen_ = {game_.career.CareerPath, {}};
      shown_.clear();
      Take(bouts);
      endResetModel();
      return;
    }
    if (const std::size_t changed = *firstChange; changed < seen_.entries.size()) {
      seen_.entries[changed] = bouts[changed];
      if (!shown_.empty() && shown_.back() == changed)
        emit dataChanged(index(0, 0), index(0, Columns - 1));
    }
    const auto added =
        std::count_if(bouts.begin() + std::ptrdiff_t(seen_.entries.size()), bouts.end(),
                      [this](const auto& bout) { return Wanted(bout); });
    if (added == 0) {
      Take(bouts);
      return;
    }
    beginInsertRows({}, 0, int(added) - 1);
    Take(bouts);
    endInsertRows();
  }

  // Rows as wide as any the career may bring: the two longest names in every way a bout ends.
  QList<QStringList> Samples() const {
    const auto& roster = game_.career.Roster;
    std::array<int, ringvale::RosterSize> longest{};
    std::iota(longest.begin(), longest.end(), 0);
    std::partial_sort(longest.begin(), longest.begin() + 2, longest.end(), [&](int a, int b) {
      return roster.at(a).Name.size() > roster.at(b).Name.size();
    });
    QList<QStringList> samples;
    for (const auto how :
         {ringvale::Ending::Points, ringvale::Ending::KnockOut, ringvale::Ending::Retirement,
          ringvale::Ending::Dive, ringvale::Ending::Draw}) {
      ringvale::BoutRecord bout;
      bout.Week = (ringvale::RetirementYear + 1) * ringvale::WeeksPerYear;
      bout.Winner = longest[0];
      bout.Loser = longest[1];
      bout.WinnerRank = bout.LoserRank = ringvale::LastPlace;
      bout.How = how;
      bout.Round = ringvale::LastRound;
      bout.Money = -(ringvale::BribeOffers[0] + ringvale::Purses[0]);
      samples.append(QStringList());
      for (int column = 0; column < Columns; ++column) samples.last() << Text(bout, column);
    }
    return samples;
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : int(shown_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : Columns;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ringvale::BoutRecord& bout = seen_.entries[shown_[shown_.size() - 1 - index.row()]];
    const bool mine = bout.Involves(ringvale::PlayerIndex);
    switch (role) {
      case Qt::ToolTipRole:
        if (index.column() != Bout) return mine ? QStringLiteral("Your bout") : QVariant();
        [[fallthrough]];  // the whole text, for where a narrow column cut it short
      case Qt::DisplayRole:
      case Qt::AccessibleTextRole: {
        QString text = Text(bout, index.column());
        if (role != Qt::DisplayRole && mine && index.column() == Bout)
          text = QStringLiteral("Your bout: ") + text;
        return text;
      }
      case Qt::TextAlignmentRole:
        return int((index.column() == Money ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      case Qt::FontRole:
      case Qt::BackgroundRole:
      case Qt::ForegroundRole:
        return mine ? PlayerRowLook(role) : QVariant();
      default:
        return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static const std::array<const char*, Columns> headings = {"When", "Bout (places before it)",
                                                              "How", "Money"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= Columns)
      return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(headings[section]);
  }

 private:
  bool Wanted(const ringvale::BoutRecord& bout) const {
    return !mineOnly_ || bout.Involves(ringvale::PlayerIndex);
  }

  // Adds the bouts of `bouts` not seen yet.
  void Take(const std::vector<ringvale::BoutRecord>& bouts) {
    for (std::size_t i = seen_.entries.size(); i < bouts.size(); ++i) {
      seen_.entries.push_back(bouts[i]);
      if (Wanted(bouts[i])) shown_.push_back(i);
    }
  }

  QString Text(const ringvale::BoutRecord& bout, int column) const {
    switch (column) {
      case When:
        return QString::fromStdString(ringvale::WeekText(bout.Week));
      case Bout:
        return QString::fromStdString(ringvale::BoutText(game_.career, bout));
      case How:
        return QString::fromStdString(ringvale::HowText(bout));
      case Money:
        if (bout.Money == 0) return {};
        return QString::fromStdString((bout.Money < 0 ? "-$" : "$") +
                                      ringvale::MoneyOnScreen(game_, std::abs(bout.Money)));
    }
    return {};
  }

  const ringvale::Game& game_;
  bool mineOnly_ = false;
  ShownLog<ringvale::BoutRecord> seen_;
  std::vector<std::size_t> shown_;  // the rows' places in seen_, oldest first: the last on top
};

frmFightLog::frmFightLog(ringvale::Game& game)
    : CareerWindow(game, "frmFightLog", QStringLiteral("Ringvale - Fight Log")) {
  model_ = new FightLogModel(game, this);
  chkMine_ = new QCheckBox(QStringLiteral("Show only &my bouts"), this);
  chkMine_->setObjectName("chkMine");
  chkMine_->setAccessibleName(QStringLiteral("Show only my bouts"));
  connect(chkMine_, &QCheckBox::toggled, this, &frmFightLog::Redraw);

  auto* caption = new QLabel(QStringLiteral("&Bouts, newest first (yours in bold):"), this);
  caption->setObjectName("lblFightLog");
  tblFightLog_ = MakeRowTable(this, "tblFightLog",
                              QStringLiteral("Bouts of the career, newest first"), model_, caption);
  model_->Refresh(false);
  FitTable(tblFightLog_, FightLogModel::Bout, [this] { return model_->Samples(); });

  Body()->addWidget(chkMine_);
  Body()->addWidget(caption);
  Body()->addWidget(tblFightLog_);
  setTabOrder(chkMine_, tblFightLog_);
  AddCloseButton();
  resize(minimumSizeHint().width(), 460);
}

void frmFightLog::Redraw() {
  model_->Refresh(chkMine_->isChecked());
}

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmRecords.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "Career.h"
#include "RecordsModel.h"
#include "RowTable.h"

frmRecords::frmRecords(ringvale::Game& game)
    : CareerWindow(game, "frmRecords", QStringLiteral("Ringvale - Records")) {
  model_ = new RecordsModel(game, this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(RecordsModel::SortRole);
  sorted_->setDynamicSortFilter(true);

  // The keyboard's way to sort: numbers from the highest, places, names and bouts from the first.
  auto* sortCaption = new QLabel(QStringLiteral("&Sort by:"), this);
  sortCaption->setObjectName("lblSortBy");
  cmbSortBy_ = new QComboBox(this);
  cmbSortBy_->setObjectName("cmbSortBy");
  cmbSortBy_->setAccessibleName(QStringLiteral("Sort the records by"));
  sortCaption->setBuddy(cmbSortBy_);
  for (int column = 0; column < RecordsModel::Columns; ++column)
    cmbSortBy_->addItem(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
  auto* caption =
      new QLabel(QStringLiteral("&Boxers (your boxer in bold; click a heading to sort):"), this);
  caption->setObjectName("lblRecords");
  tblRecords_ = MakeRowTable(this, "tblRecords", QStringLiteral("Records of the ten boxers"),
                             sorted_, caption);
  tblRecords_->setSortingEnabled(true);
  tblRecords_->sortByColumn(RecordsModel::Place, Qt::AscendingOrder);
  FitTable(
      tblRecords_, RecordsModel::Booked, [this] { return model_->Samples(); },
      ringvale::RosterSize);
  connect(cmbSortBy_, &QComboBox::activated, this, [this](int column) {
    const bool fromFirst = column == RecordsModel::Place || column == RecordsModel::Name ||
                           column == RecordsModel::Booked;
    tblRecords_->sortByColumn(column, fromFirst ? Qt::AscendingOrder : Qt::DescendingOrder);
  });
  connect(tblRecords_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
          [this](int column) { cmbSortBy_->setCurrentIndex(column); });
  auto* sortRow = new QHBoxLayout;
  sortRow->addWidget(sortCaption);
  sortRow->addWidget(cmbSortBy_);
  sortRow->addStretch();
  Body()->addLayout(sortRow);
  Body()->addWidget(caption);
  Body()->addWidget(tblRecords_);
  AddCloseButton();
}

void frmRecords::Redraw() {
  model_->Refresh();
}

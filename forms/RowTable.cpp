// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RowTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

QTableView* MakeRowTable(QWidget* parent, const char* name, const QString& spoken,
                         QAbstractItemModel* model, QLabel* caption) {
  auto* table = new QTableView(parent);
  table->setObjectName(name);
  table->setAccessibleName(spoken);
  caption->setBuddy(table);
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setTabKeyNavigation(false);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  return table;
}

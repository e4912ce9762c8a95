// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAbstractItemModel;
class QLabel;
class QTableView;
class QWidget;

// A table of `model` read a row at a time: one whole row chosen at once, nothing to edit, no row
// numbers, texts on one line, and Tab leaves it for the next control. `caption`'s mnemonic
// reaches it; a reader calls it `spoken`.
QTableView* MakeRowTable(QWidget* parent, const char* name, const QString& spoken,
                         QAbstractItemModel* model, QLabel* caption);

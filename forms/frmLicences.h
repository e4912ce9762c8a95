// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

// Help > Licences: the game's licence, and the notice and licence of the fonts compiled into it,
// each on a page of its own. Shown modally; Close or Escape closes it.
class frmLicences final : public QDialog {
  Q_OBJECT

 public:
  explicit frmLicences(QWidget* parent = nullptr);
};

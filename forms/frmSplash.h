// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace ringvale {
struct Game;
}
class QFrame;
class QLabel;

// The start-up window: any key, or a click on the frame, the logo, the "presents" line or the
// title, closes it and opens the main window.
class frmSplash final : public QWidget {
  Q_OBJECT

 public:
  explicit frmSplash(ringvale::Game& game, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Dismiss();

  ringvale::Game& game_;
  QFrame* Frame1;
  QWidget* imgLogo;
  QLabel *lblCompanyProduct, *lblProductName, *lblVersion, *lblCompany, *lblCredit;
  bool dismissed_ = false;
};

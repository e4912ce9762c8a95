// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace ringvale {
struct Game;
}

class QListWidget;
class QSvgRenderer;

// The hall of fame: the ten richest retired champions. A plain window beside the main window;
// each opening reads the high-score file afresh through Reload().
class frmHigh final : public QWidget {
  Q_OBJECT

 public:
  explicit frmHigh(ringvale::Game& game, QWidget* parent = nullptr);
  void Reload();  // reads the file, then Redraw()
  void Redraw();  // from game.high

 protected:
  void keyPressEvent(QKeyEvent* event) override;  // Escape closes, like Close
  void paintEvent(QPaintEvent* event) override;

 private:
  ringvale::Game& game_;
  QListWidget* lstHigh_ = nullptr;
  QSvgRenderer* background_ = nullptr;
};

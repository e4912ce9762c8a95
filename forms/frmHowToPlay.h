// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// How the game is played, in a window of its own beside the main window: scrolled by the
// keyboard as by the mouse, read by screen readers, closed with Escape or Close.
class frmHowToPlay final : public QWidget {
  Q_OBJECT

 public:
  explicit frmHowToPlay(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

// Remembers where the player put a window, between runs: when the window closes or hides, its
// place and size go into the settings under its object name; when it is next shown they come back,
// unless that place is on no screen now (a screen unplugged or made smaller). A window that is not
// given its remembered place opens where it would have opened anyway.
class WindowPlace final : public QObject {
 public:
  // Follows `window` from now on; call it before the window is first shown. A place given to
  // the window before then is where it opens when it has none to remember.
  static void Remember(QWidget* window);
  // Opens `window` beside `other`, `down` pixels below its top: to its right, or to its left
  // where the right has no room, wholly on other's screen as far as it fits. A remembered place
  // still comes first.
  static void PutBeside(QWidget* window, const QWidget* other, int down = 0);
  // Where a frame of `size` goes beside the frame `other` within the screen's `room`.
  static QPoint Beside(const QRect& other, const QSize& size, const QRect& room);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit WindowPlace(QWidget* window);
  QString Key() const;

  QWidget* window_;
  bool shown_ = false;
};

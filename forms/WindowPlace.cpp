// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowPlace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace {

// Whether enough of the title bar of a window whose inside is `inside` lies on one of the
// screens to take it by, also for a window wider than the screen.
bool OnAScreen(const QRect& inside) {
  // Just above the inside is the title bar, by which the player moves the window.
  const QRect titleBar(inside.left(), inside.top() - 1, inside.width(), 1);
  const int enough = std::min(inside.width(), 100);
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersected(titleBar).width() >= enough) return true;
  }
  return false;
}

}  // namespace

WindowPlace::WindowPlace(QWidget* window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

void WindowPlace::Remember(QWidget* window) {
  new WindowPlace(window);
}

void WindowPlace::PutBeside(QWidget* window, const QWidget* other, int down) {
  // The size show() would give it, and, not yet shown, no frame: it is given one like other's.
  if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
  const QRect frame = other->frameGeometry(), inside = other->geometry();
  const QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(),
                         frame.right() - inside.right(), frame.bottom() - inside.bottom());
  const QRect room = other->screen()->availableGeometry();
  window->move(Beside(frame.translated(0, down), window->size().grownBy(margins), room));
}

QPoint WindowPlace::Beside(const QRect& other, const QSize& size, const QRect& room) {
  const int right = other.right() + 1, left = other.left() - size.width();
  const bool rightFits = right + size.width() <= room.right() + 1;
  const bool leftFits = left >= room.left();
  // With room on neither side, the side with more, overlapping other as little as it can.
  const bool toRight =
      rightFits || (!leftFits && room.right() - other.right() >= other.left() - room.left());
  const auto within = [](int at, int length, int low, int high) {
    return std::max(low, std::min(at, high + 1 - length));
  };
  return {within(toRight ? right : left, size.width(), room.left(), room.right()),
          within(other.top(), size.height(), room.top(), room.bottom())};
}

QString WindowPlace::Key() const {
  return QStringLiteral("Windows/") + window_->objectName();
}

bool WindowPlace::eventFilter(QObject* /*watched*/, QEvent* event) {
  // The inside's rectangle, not the frame's: before a window is first shown on the screen the
  // window manager has not yet said how wide its frame is.
  if (event->type() == QEvent::Show && !shown_) {
    shown_ = true;
    const QRect place = QSettings().value(Key()).toRect();
    if (place.isValid() && OnAScreen(place)) {
      const bool resizable = window_->minimumSize() != window_->maximumSize();
      window_->setGeometry(QRect(place.topLeft(), resizable ? place.size() : window_->size()));
    }
  } else if (event->type() == QEvent::Hide && window_->windowState() == Qt::WindowNoState) {
    // On hiding, not closing: a dialog that closes by its buttons hides the close from filters.
    QSettings().setValue(Key(), window_->geometry());
  }
  return false;
}

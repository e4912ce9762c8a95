#include "WindowPlace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

// Whether the title bar of a window whose inside is `inside` lies on one of the screens.
bool OnAScreen(const QRect& inside) {
  // Just above the inside is the title bar, by which the player moves the window.
  const QPoint titleBar(inside.center().x(), inside.top() - 1);
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().contains(titleBar)) return true;
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
  } else if (event->type() == QEvent::Close && window_->windowState() == Qt::WindowNoState) {
    QSettings().setValue(Key(), window_->geometry());
  }
  return false;
}

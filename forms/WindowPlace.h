#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Remembers where the player put a window, between runs: when the window closes, its place and
// size go into the settings under its object name; when it is next shown they come back, unless
// that place is on no screen now (a screen unplugged or made smaller). A window that is not
// given its remembered place opens where it would have opened anyway.
class WindowPlace final : public QObject {
 public:
  // Follows `window` from now on; call it before the window is first shown. A place given to
  // the window before then is where it opens when it has none to remember.
  static void Remember(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit WindowPlace(QWidget* window);
  QString Key() const;

  QWidget* window_;
  bool shown_ = false;
};

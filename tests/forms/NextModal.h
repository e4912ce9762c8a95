#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace ringvale::test {

// Runs `act` on the next modal window to open, from inside its own event loop: the way a test
// answers a message box or closes a dialog that exec() is waiting on. Gives up after about
// five seconds so a missing window fails the test instead of hanging it.
inline void OnNextModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr && ++*tries < 500) return;
    timer->stop();
    timer->deleteLater();
    if (modal != nullptr) act(modal);
  });
  timer->start();
}

}  // namespace ringvale::test

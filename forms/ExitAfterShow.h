// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWindow>

// For start-up measurements: with RINGVALE_EXIT_AFTER_SHOW set, the program quits as soon as
// its first window has been exposed and painted.
class ExitAfterShow final : public QObject {
 public:
  static void InstallIfAsked(QCoreApplication& app) {
    if (qEnvironmentVariableIsSet("RINGVALE_EXIT_AFTER_SHOW"))
      app.installEventFilter(new ExitAfterShow(&app));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWindow*>(watched);
    if (event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
      // Queued, so the paint that answers this expose comes first.
      QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
      QCoreApplication::instance()->removeEventFilter(this);
    }
    return false;
  }

 private:
  using QObject::QObject;
};

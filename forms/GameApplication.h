// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QString>
#include <filesystem>
#include <functional>

// The application object of the game. An error escaping an event handler (a 16-bit overflow
// above all) shows its message and ends the program at once, so a broken career is never saved.
class GameApplication final : public QApplication {
 public:
  GameApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Runs `deliver`; on an error shows "Overflow" (or the error's text) and calls `end`, which
  // must not return in the program (tests give one that does).
  static bool DeliverGuarded(const std::function<bool()>& deliver,
                             const std::function<void()>& end);
  static void EndAtOnce();  // no destructors, no saves

  // Where careers and the hall of fame live: the program's folder when it can be written and
  // is not an installed prefix's, else the per-user data folder (created). When that cannot be
  // made or written, `problem` says so, naming the folder and the system's reason.
  static std::filesystem::path GameFolder(const QString& programFolder, QString* problem = nullptr);
};

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The smallest Qt Widgets program: one empty window. Start-up time and memory of the game are
// measured against it (bench/startup.sh).

#include <QApplication>
#include <QWidget>

#include "ExitAfterShow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ExitAfterShow::InstallIfAsked(app);
  QWidget window;
  window.setWindowTitle("Baseline");
  window.resize(480, 360);
  window.show();
  return app.exec();
}

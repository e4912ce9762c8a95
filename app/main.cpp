// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QLocale>

#include "ExitAfterShow.h"
#include "Game.h"
#include "GameApplication.h"
#include "Identity.h"
#include "QtScreen.h"
#include "Random.h"
#include "frmSplash.h"

int main(int argc, char** argv) {
  GameApplication app(argc, argv);
  ExitAfterShow::InstallIfAsked(app);  // start-up measurements only (bench/startup.sh)

  ringvale::ClockRandom random;
  QtScreen screen;
  QString folderProblem;
  ringvale::Game game(
      screen, random,
      GameApplication::GameFolder(QCoreApplication::applicationDirPath(), &folderProblem));
  screen.SetGame(game);
  if (!folderProblem.isEmpty()) screen.Message(folderProblem.toStdString(), ringvale::AppTitle);
  game.decimalPoint = QLocale().decimalPoint().toStdString();

  auto* splash = new frmSplash(game);
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
  splash->activateWindow();
  return app.exec();
}

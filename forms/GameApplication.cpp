// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameApplication.h"

#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdlib>
#include <exception>
#include <system_error>

#include "Identity.h"
#include "Int16.h"
#include "Twips.h"

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The settings (where the player left each window) live under these names.
  setOrganizationName(QString::fromUtf8(ringvale::AppTitle));
  setApplicationName(QString::fromUtf8(ringvale::AppTitle));
  setApplicationVersion(QString::fromUtf8(ringvale::Version));
  // Message boxes, menus and dialogs speak in the windows' face too.
  setFont(SansFont());
  // The desktop pairs the windows with the installed menu entry and its icon.
  setDesktopFileName(QStringLiteral(RINGVALE_APP_ID));
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
  return DeliverGuarded([&] { return QApplication::notify(receiver, event); }, &EndAtOnce);
}

bool GameApplication::DeliverGuarded(const std::function<bool()>& deliver,
                                     const std::function<void()>& end) {
  QString text;
  try {
    return deliver();
  } catch (const ringvale::OverflowError&) {
    text = QStringLiteral("Overflow");
  } catch (const std::exception& error) {
    text = QString::fromStdString(error.what());
  }
  // A second error while the first is being reported ends the program without another box.
  static bool ending = false;
  if (!ending) {
    ending = true;
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(ringvale::AppTitle), text,
                    QMessageBox::Ok);
    box.setObjectName("MessageBox");
    box.exec();
    ending = false;
  }
  end();
  return false;
}

void GameApplication::EndAtOnce() {
  std::_Exit(EXIT_FAILURE);
}

namespace {

// "" when a file can be made in `folder`, else the system's reason. Tried, not read from
// permission bits, which do not tell the whole story.
QString WhyNotWritable(const QString& folder) {
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("write-test-XXXXXX")));
  return probe.open() ? QString() : probe.errorString();
}

}  // namespace

std::filesystem::path GameApplication::GameFolder(const QString& programFolder, QString* problem) {
  // An installed game (its desktop entry in the same prefix) never writes among the programs of
  // the system, even when run by someone who could.
  const bool installed = QDir(programFolder).exists(QStringLiteral(RINGVALE_INSTALLED_ENTRY));
  if (!installed && WhyNotWritable(programFolder).isEmpty()) {
    return std::filesystem::path(programFolder.toStdString());
  }
  // A relative folder would move with wherever the game was started from: the XDG rules say to
  // ignore it.
  if (QDir::isRelativePath(qEnvironmentVariable("XDG_DATA_HOME"))) qunsetenv("XDG_DATA_HOME");
  // Named by the program alone, as it was before the settings gave it an organisation.
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QLatin1Char('/') + applicationName();
  const std::filesystem::path path(userFolder.toStdString());
  std::error_code error;
  std::filesystem::create_directories(path, error);
  const QString reason =
      error ? QString::fromStdString(error.message()) : WhyNotWritable(userFolder);
  if (!reason.isEmpty() && problem != nullptr) {
    *problem = QStringLiteral("Careers and the hall of fame cannot be kept in \"%1\": %2.")
                   .arg(userFolder, reason);
  }
  return path;
}

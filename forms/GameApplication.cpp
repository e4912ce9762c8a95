#include "GameApplication.h"

#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdlib>
#include <exception>

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

std::filesystem::path GameApplication::GameFolder(const QString& programFolder) {
  const QDir folder(programFolder);
  // An installed game (its desktop entry in the same prefix) never writes among the programs of
  // the system, even when run by someone who could.
  const bool installed = folder.exists(QStringLiteral(RINGVALE_INSTALLED_ENTRY));
  // Writability is tried, not read from permission bits, which do not tell the whole story.
  QTemporaryFile probe(folder.filePath(QStringLiteral("write-test-XXXXXX")));
  if (!installed && probe.open()) return std::filesystem::path(programFolder.toStdString());
  // Named by the program alone, as it was before the settings gave it an organisation.
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QLatin1Char('/') + applicationName();
  QDir().mkpath(userFolder);
  return std::filesystem::path(userFolder.toStdString());
}

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in screen reader for bench/week.sh. It does on the accessibility bus what a reader
// does: says that a screen reader runs, asks for every object, window and focus event, and for a
// window that comes up or a control that takes the focus asks the program for its name, as a
// reader does to speak it. Prints "listening" once it is, and how much it heard and read when
// stopped (SIGTERM or SIGINT).

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QTimer>
#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t stopped = 0;

class Reader final : public QObject {
  Q_OBJECT

 public:
  explicit Reader(const QDBusConnection& bus) : bus_(bus) {}
  int heard = 0, read = 0;

 public slots:
  void Heard(const QDBusMessage& event) {
    ++heard;
    const bool spoken = !event.interface().endsWith(QLatin1String(".Object")) ||
                        (event.member() == QLatin1String("StateChanged") &&
                         event.arguments().value(0).toString() == QLatin1String("focused"));
    if (!spoken) return;
    const QDBusMessage ask = QDBusMessage::createMethodCall(
        event.service(), event.path(), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    bus_.callWithCallback(
        QDBusMessage(ask) << QStringLiteral("org.a11y.atspi.Accessible") << QStringLiteral("Name"),
        this, SLOT(Read()));
  }
  void Read() { ++read; }

 private:
  QDBusConnection bus_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QDBusConnection session = QDBusConnection::sessionBus();
  QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                          QStringLiteral("org.a11y.Bus"), session);
  const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
  if (!address.isValid()) {
    std::fprintf(stderr, "no accessibility bus: %s\n", qPrintable(address.error().message()));
    return 1;
  }
  QDBusInterface status(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                        QStringLiteral("org.freedesktop.DBus.Properties"), session);
  status.call(QStringLiteral("Set"), QStringLiteral("org.a11y.Status"),
              QStringLiteral("ScreenReaderEnabled"), QVariant::fromValue(QDBusVariant(true)));

  const QDBusConnection bus =
      QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
  Reader reader(bus);
  QDBusInterface registry(QStringLiteral("org.a11y.atspi.Registry"),
                          QStringLiteral("/org/a11y/atspi/registry"),
                          QStringLiteral("org.a11y.atspi.Registry"), bus);
  for (const char* kind : {"Object", "Window", "Focus"}) {
    registry.call(QStringLiteral("RegisterEvent"), QString::fromLatin1(kind).toLower() + ':',
                  QStringList(), QString());
    QDBusConnection(bus).connect(QString(), QString(),
                                 QStringLiteral("org.a11y.atspi.Event.") + QLatin1String(kind),
                                 QString(), &reader, SLOT(Heard(QDBusMessage)));
  }
  std::signal(SIGTERM, [](int) { stopped = 1; });
  std::signal(SIGINT, [](int) { stopped = 1; });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &app, [] {
    if (stopped) QCoreApplication::quit();
  });
  poll.start(50);
  std::printf("listening\n");
  std::fflush(stdout);
  app.exec();
  std::printf("the screen reader heard %d events and read %d names\n", reader.heard, reader.read);
  return 0;
}

#include "ScreenReader.moc"

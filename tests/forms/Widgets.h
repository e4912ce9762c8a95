// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ringvale::test {

// The cells of a table as shown, row by row.
inline QList<QStringList> Rows(const QAbstractItemModel& model) {
  QList<QStringList> rows;
  for (int row = 0; row < model.rowCount(); ++row) {
    rows.append(QStringList());
    for (int column = 0; column < model.columnCount(); ++column)
      rows.last() << model.index(row, column).data().toString();
  }
  return rows;
}

// Every window test starts with no settings (remembered places, recent careers), in a folder of
// its run's own: neither an earlier test nor another run at the same time leaves it any.
class FreshSettings final : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& /*test*/) override { QSettings().clear(); }
};
inline const bool freshSettings = [] {
  static const QTemporaryDir folder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
  return true;
}();

// The widget (or action, or timer) called `name` inside `window`; a missing one fails the test.
template <class Widget = QWidget>
Widget* Child(const QObject& window, const char* name) {
  auto* widget = window.findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// The window `name` that the menu item `action` of `main` opens; fails if it did not open.
inline QWidget& OpenedBy(const QObject& main, const char* action, const char* name) {
  Child<QAction>(main, action)->trigger();
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == name && window->isVisible()) return *window;
  throw std::logic_error(std::string(name) + " did not open");
}

// Shows `window` and presses Escape on its control `focused`.
inline void ExpectEscapeCloses(QWidget& window, const char* focused) {
  window.show();
  QTest::keyClick(Child(window, focused), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible()) << window.objectName().toStdString();
}

// Runs `act` on the next modal window to open, from inside its own event loop: the way a test
// answers a message box or closes a dialog that exec() is waiting on. Gives up after about
// five seconds so a missing window fails the test instead of hanging it.
inline void OnNextModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, tries = 0, act = std::move(act)]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr && ++tries < 500) return;
    timer->stop();
    timer->deleteLater();
    if (modal != nullptr) act(modal);
  });
  timer->start(10);
}

// Controls on `window` whose text does not fit them.
inline std::vector<std::string> ClippedTexts(QWidget& window) {
  std::vector<std::string> clipped;
  auto check = [&](QWidget* widget, int needed, int room) {
    if (widget->isVisibleTo(&window) && needed > room)
      clipped.push_back(widget->objectName().toStdString() + " needs " + std::to_string(needed) +
                        " px, has " + std::to_string(room));
  };
  for (auto* label : window.findChildren<QLabel*>()) {
    if (label->objectName().isEmpty() || label->text().isEmpty()) continue;
    // A label with a buddy shows its "&" as an underline under the next letter.
    QString text = label->text();
    if (label->buddy() != nullptr) text.replace("&&", "\x01").remove('&').replace('\x01', '&');
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
      const QRect needed =
          label->fontMetrics().boundingRect(room, Qt::TextWordWrap | int(label->alignment()), text);
      check(label, needed.height(), room.height());
    } else {
      check(label, label->fontMetrics().horizontalAdvance(text), room.width());
      check(label, label->fontMetrics().height(), room.height() + 2);
    }
  }
  for (auto* button : window.findChildren<QAbstractButton*>()) {
    if (button->objectName().isEmpty()) continue;
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    check(button,
          radio ? button->sizeHint().width()
                : button->fontMetrics().horizontalAdvance(button->text()) + 8,
          button->width());
  }
  for (auto* frame : window.findChildren<QGroupBox*>())
    check(frame, frame->fontMetrics().horizontalAdvance(frame->title()) + 12, frame->width());
  for (auto* combo : window.findChildren<QComboBox*>()) {  // and room for the arrow
    // A box that shortens its text draws what it says it shows.
    const QVariant shown = combo->property("shownText");
    const QString text = shown.isValid() ? shown.toString() : combo->currentText();
    check(combo, combo->fontMetrics().horizontalAdvance(text) + 22, combo->width());
  }
  return clipped;
}

// Grabs the window and writes it when RINGVALE_RENDER_DIR names a folder. Either way the image
// must exist, its pictures must have drawn something, and no text may be cut off.
inline void Render(QWidget& window, const QString& file,
                   const std::vector<const char*>& pictures = {}) {
  SCOPED_TRACE(file.toStdString());
  window.show();
  QApplication::processEvents();
  const QImage image = window.grab().toImage();
  EXPECT_EQ(ClippedTexts(window), std::vector<std::string>{});
  for (const char* name : pictures) {  // a picture of one flat colour drew nothing
    const QImage picture = Child(window, name)->grab().toImage();
    QImage flat(picture.size(), picture.format());
    flat.fill(picture.pixel(0, 0));
    EXPECT_NE(picture, flat) << name;
  }
  const QString folder = qEnvironmentVariable("RINGVALE_RENDER_DIR");
  if (!folder.isEmpty()) {
    QDir().mkpath(folder);
    EXPECT_TRUE(image.save(QDir(folder).filePath(file)));
  }
}

// What a screen reader or a keyboard player would trip over in `window`: a control that takes
// the focus, shows a value or is a picture but has no accessible name (pictures may instead be
// hidden from readers), and a Tab step back to a control higher up, or on the same line further
// left. Each tab page is ordered on its own.
inline std::vector<std::string> AccessProblems(QWidget& window) {
  std::vector<std::string> problems;
  auto called = [](QWidget* w) {
    return w->metaObject()->className() + (" " + w->objectName()).toStdString();
  };
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* widget : widgets) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
    const QAccessible::Role role = reader->role();
    const bool decorative = role == QAccessible::NoRole && reader->state().invisible;
    if (widget->window() != &window || widget->isHidden() || decorative) continue;
    const bool ours = !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_");
    const bool shows = reader->valueInterface() != nullptr || role == QAccessible::StaticText ||
                       role == QAccessible::List || role == QAccessible::ComboBox ||
                       widget->inherits("Picture");
    if (((widget->focusPolicy() & Qt::TabFocus) || (ours && shows)) &&
        reader->text(QAccessible::Name).trimmed().isEmpty())
      problems.push_back(called(widget) + " has no accessible name");
  }
  std::map<QWidget*, QWidget*> lastOnPage;
  for (QWidget* next = window.nextInFocusChain(); next != &window;
       next = next->nextInFocusChain()) {
    if (next->window() != &window || !(next->focusPolicy() & Qt::TabFocus) || next->focusProxy())
      continue;
    QWidget* page = next;
    while (page != &window && !qobject_cast<QStackedWidget*>(page->parentWidget()))
      page = page->parentWidget();
    if (QWidget* last = std::exchange(lastOnPage[page], next)) {
      const QRect a(last->mapTo(&window, QPoint()), last->size());
      const QPoint b = QRect(next->mapTo(&window, QPoint()), next->size()).center();
      if (b.y() < a.top() || (b.y() <= a.bottom() && b.x() < a.left()))
        problems.push_back("Tab goes back from " + called(last) + " to " + called(next));
    }
  }
  return problems;
}

}  // namespace ringvale::test

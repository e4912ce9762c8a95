// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtScreen.h"

#include <QApplication>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <optional>
#include <stdexcept>

#include "Game.h"
#include "frmFight.h"
#include "frmMain.h"

QtScreen::~QtScreen() {
  delete box_;
}

void QtScreen::SetMainWindow(frmMain* main) {
  main_ = main;
}

frmMain* QtScreen::MainWindow() const {
  return main_;
}

frmFight* QtScreen::FightWindow() const {
  return fight_;
}

void QtScreen::RedrawOpenWindows() {
  if (main_ && !frozen_) main_->Redraw();
  if (main_ && frozen_) main_->RedrawSideWindows();
  if (fight_) fight_->Redraw();
}

QWidget* QtScreen::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (fight_) return fight_;
  if (main_ && main_->isVisible()) return main_;
  return QApplication::activeWindow();
}

namespace {

// A message box at least as wide as its title, which the window manager writes in a larger bold
// face between the window's icon and its three buttons.
class GameBox final : public QMessageBox {
 public:
  GameBox(const std::string& prompt, const std::string& title, StandardButtons buttons,
          QWidget* parent)
      : QMessageBox(NoIcon, QString::fromStdString(title), QString::fromStdString(prompt), buttons,
                    parent) {
    setObjectName("MessageBox");
    setTextFormat(Qt::PlainText);  // boxers' names reach the prompts as typed, never as markup
  }

 protected:
  bool event(QEvent* event) override {
    const bool handled = QMessageBox::event(event);
    // The box sizes itself to its prompt as it is shown and whenever it lays itself out again.
    if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) WidenToTitle();
    return handled;
  }

 private:
  void WidenToTitle() {
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(QFontInfo(font()).pixelSize() * 5 / 4);
    const QFontMetrics title(titleFont);
    // In title bar heights: the icon, three buttons and the room window managers keep around
    // a caption (openbox centres it between equal margins).
    constexpr int TitleBarRoom = 8;
    const int needed = title.horizontalAdvance(windowTitle()) + TitleBarRoom * title.height();
    if (width() < needed) setFixedWidth(needed);
  }
};

}  // namespace

void QtScreen::Message(const std::string& prompt, const std::string& title) {
  ++boxesShown_;
  RedrawOpenWindows();
  QWidget* parent = DialogParent();
  // One box serves message after message: making a window anew for each took longer than
  // drawing the week it speaks of. A message while that box is up gets a box of its own.
  std::optional<GameBox> nested;
  QMessageBox* box = box_;
  if (box_ && box_->isVisible()) {
    box = &nested.emplace(prompt, title, QMessageBox::Ok, parent);
  } else if (!box_ || box_->parentWidget() != parent) {
    delete box_;
    box = box_ = new GameBox(prompt, title, QMessageBox::Ok, parent);
  } else {
    box->setMinimumWidth(0);  // sized anew for this title and prompt
    box->setMaximumWidth(QWIDGETSIZE_MAX);
    box->setWindowTitle(QString::fromStdString(title));
    box->setText(QString::fromStdString(prompt));
  }
  box->setAttribute(Qt::WA_Moved, false);  // centred on its window again
  box->exec();
}

bool QtScreen::Confirm(const std::string& prompt, const std::string& title) {
  ++boxesShown_;
  RedrawOpenWindows();
  GameBox box(prompt, title, QMessageBox::Yes | QMessageBox::No, DialogParent());
  // Enter, Escape and the close box all keep things as they are.
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::string QtScreen::InputBox(const std::string& prompt, const std::string& title) {
  ++boxesShown_;
  RedrawOpenWindows();
  QInputDialog dialog(DialogParent());
  dialog.setObjectName("InputBox");
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextValue(QString());
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue().toStdString();
}

void QtScreen::FreezeWindow() {
  frozen_ = true;
  if (main_) main_->Freeze();
}

void QtScreen::UnfreezeWindow() {
  frozen_ = false;
  if (main_) main_->Unfreeze();
}

void QtScreen::ShowFight() {
  if (game_ == nullptr) throw std::logic_error("QtScreen has no game to show the fight of");
  frmFight fight(*game_, main_);
  fight_ = &fight;
  fight.exec();
  fight_ = nullptr;
  // The window manager may give the keyboard to any window left open; the week goes on here.
  if (main_ && main_->isVisible()) main_->activateWindow();
}

void QtScreen::CloseFight() {
  if (fight_) fight_->done(QDialog::Accepted);
}

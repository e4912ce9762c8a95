#include "QtScreen.h"

#include <QApplication>
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

// Boxers' names reach the prompts as they were typed: never read as markup.
void PrepareBox(QMessageBox& box) {
  box.setObjectName("MessageBox");
  box.setTextFormat(Qt::PlainText);
}

}  // namespace

void QtScreen::Message(const std::string& prompt, const std::string& title) {
  RedrawOpenWindows();
  QWidget* parent = DialogParent();
  // One box serves message after message: making a window anew for each took longer than
  // drawing the week it speaks of. A message while that box is up gets a box of its own.
  std::optional<QMessageBox> nested;
  QMessageBox* box = box_;
  if (box_ && box_->isVisible()) {
    box = &nested.emplace(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok, parent);
    PrepareBox(*box);
  } else if (!box_ || box_->parentWidget() != parent) {
    delete box_;
    box = box_ =
        new QMessageBox(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok, parent);
    PrepareBox(*box);
  }
  box->setWindowTitle(QString::fromStdString(title));
  box->setText(QString::fromStdString(prompt));
  box->setAttribute(Qt::WA_Moved, false);  // centred on its window again
  box->exec();
}

bool QtScreen::Confirm(const std::string& prompt, const std::string& title) {
  RedrawOpenWindows();
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                  QString::fromStdString(prompt), QMessageBox::Yes | QMessageBox::No,
                  DialogParent());
  PrepareBox(box);
  // Enter, Escape and the close box all keep things as they are.
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::string QtScreen::InputBox(const std::string& prompt, const std::string& title) {
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
  if (main_) main_->setUpdatesEnabled(false);
}

void QtScreen::UnfreezeWindow() {
  frozen_ = false;
  if (!main_) return;
  main_->Redraw();
  main_->setUpdatesEnabled(true);
  main_->update();
}

void QtScreen::ShowFight() {
  if (game_ == nullptr) throw std::logic_error("QtScreen has no game to show the fight of");
  frmFight fight(*game_, main_);
  fight_ = &fight;
  fight.exec();
  fight_ = nullptr;
}

void QtScreen::CloseFight() {
  if (fight_) fight_->done(QDialog::Accepted);
}

#include "QtScreen.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <stdexcept>

#include "Game.h"
#include "frmFight.h"
#include "frmMain.h"

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
  ++boxesShown_;
  RedrawOpenWindows();
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                  QString::fromStdString(prompt), QMessageBox::Ok, DialogParent());
  PrepareBox(box);
  box.exec();
}

bool QtScreen::Confirm(const std::string& prompt, const std::string& title) {
  ++boxesShown_;
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

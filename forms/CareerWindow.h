#pragma once

#include <QVariant>
#include <QWidget>

namespace ringvale {
struct Game;
}
class QBoxLayout;
class QPushButton;
class QTableView;

// A window beside the main window that shows part of the career and follows it while open:
// the main window calls Redraw() whenever it redraws itself. Escape or Close closes it.
class CareerWindow : public QWidget {
  Q_OBJECT

 public:
  CareerWindow(ringvale::Game& game, const char* name, const QString& title);
  virtual void Redraw() = 0;

 protected:
  // The window's controls go above the Close button.
  QBoxLayout* Body() const { return body_; }
  // Made last, so Tab reaches it after the window's own controls.
  void AddCloseButton();
  // Widens `table` (and so the window) until every column shows whole, and makes it tall enough
  // for `rows` rows; it never shrinks, so the window does not jump from week to week.
  static void FitTable(QTableView* table, int rows = 0);
  void keyPressEvent(QKeyEvent* event) override;

  ringvale::Game& game_;

 private:
  QBoxLayout* body_;
  QBoxLayout* buttons_;
};

// The career chart, from the module built and installed with the game, loaded on first use so
// that Qt Charts does not slow every start. Null, after saying why, if the module cannot load.
CareerWindow* LoadCareerChart(ringvale::Game& game);

// How a table marks the player's own rows (bold on a tint) for a font, background or
// foreground role; an empty value for any other role.
QVariant PlayerRowLook(int role);

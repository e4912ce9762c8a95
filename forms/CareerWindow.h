// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Game.h"

class QBoxLayout;
class QPushButton;
class QTableView;

// A window beside the main window that shows part of the career and follows it while open:
// the main window calls Redraw() whenever it redraws itself, and the window then changes only
// what changed in the career. Escape or Close closes it. Assistive technology reads it as a
// window with its title.
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
  // Sizes the columns of `table` once, to their headings, their cells and the `samples` rows
  // (texts the table may come to show), and again only when its model starts afresh; the rows of
  // later weeks keep those widths, so the window never widens itself. A text wider than its
  // column, or than 360 px, ends in "…". Column `stretch` takes the room the window gives beyond
  // them, and the table is tall enough for `rows` rows; it never narrows.
  static void FitTable(QTableView* table, int stretch, std::function<QList<QStringList>()> samples,
                       int rows = 0);
  void keyPressEvent(QKeyEvent* event) override;

  ringvale::Game& game_;

 private:
  QBoxLayout* body_;
  QBoxLayout* buttons_;
};

// What a window has shown of one of the log's lists (bouts or weeks). Within one career a list
// only grows, and only a last entry may still change (a bout's money is settled after it), so a
// window adds or redraws just those; a list that shrank or another career file means a career
// replaced by New or Load, shown afresh.
template <class Entry>
struct ShownLog {
  std::string career;          // the career file it came from
  std::vector<Entry> entries;  // oldest first, as shown

  // The first entry of `now` that differs from what was shown (entries.size() when the list only
  // grew), or nothing when `now` belongs to another career.
  std::optional<std::size_t> FirstChange(const ringvale::Game& game,
                                         const std::vector<Entry>& now) const {
    if (game.career.CareerPath != career || now.size() < entries.size()) return std::nullopt;
    const auto first = std::size_t(
        std::mismatch(entries.begin(), entries.end(), now.begin()).first - entries.begin());
    if (first + 1 < entries.size()) return std::nullopt;
    return first;
  }
};

// How a table marks the player's own rows (bold on a tint) for a font, background or
// foreground role; an empty value for any other role.
QVariant PlayerRowLook(int role);

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>
#include <QString>

class QGroupBox;
class QLabel;

// Texts that may be longer than their room, boxers' names above all (up to 200 bytes): they end
// in "…" where the room ends, and the whole text is the control's tooltip.

// Sets `text` on `label`, over as many lines as a word-wrapped label holds.
void SetElidedText(QLabel* label, const QString& text);
// Sets `title` as `frame`'s caption, shown as typed ("&" is no keyboard mnemonic).
void SetElidedTitle(QGroupBox* frame, const QString& title);

// A combo box that shortens the entry it shows to its width; the list it opens shows them whole
// where the screen allows.
class ElidedComboBox final : public QComboBox {
  Q_OBJECT
  Q_PROPERTY(QString shownText READ ShownText)

 public:
  using QComboBox::QComboBox;
  QString ShownText() const;  // what the closed box shows

 protected:
  void paintEvent(QPaintEvent* event) override;
};

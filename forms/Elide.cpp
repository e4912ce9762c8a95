// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Elide.h"

#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr int FrameTitleMargins = 16;  // the frame's line on either side of its caption

bool FitsWrapped(const QLabel* label, const QString& text) {
  const QRect room = label->contentsRect();
  const QRect needed =
      label->fontMetrics().boundingRect(room, Qt::TextWordWrap | int(label->alignment()), text);
  return needed.width() <= room.width() && needed.height() <= room.height();
}

// `text` broken into at most `lines` lines of `width`, between words where it can; the last line
// ends in "…" when text is left over.
QString ElidedLines(const QString& text, const QFont& font, int width, int lines) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  const QFontMetrics metrics(font);
  QStringList shown;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (shown.size() + 1 == lines) {
      shown << metrics.elidedText(text.mid(line.textStart()).simplified(), Qt::ElideRight, width);
      break;
    }
    shown << text.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return shown.join(QLatin1Char('\n'));
}

}  // namespace

void SetElidedText(QLabel* label, const QString& text) {
  const QRect room = label->contentsRect();
  QString shown = text;
  if (!label->wordWrap()) {
    shown = label->fontMetrics().elidedText(text, Qt::ElideRight, room.width());
  } else if (!FitsWrapped(label, text)) {
    const int lines = std::max(1, room.height() / label->fontMetrics().lineSpacing());
    shown = ElidedLines(text, label->font(), room.width(), lines);
  }
  label->setText(shown);
  label->setToolTip(shown == text ? QString() : text);
}

void SetElidedTitle(QGroupBox* frame, const QString& title) {
  const QString shown =
      frame->fontMetrics().elidedText(title, Qt::ElideRight, frame->width() - FrameTitleMargins);
  frame->setTitle(QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")));
  frame->setToolTip(shown == title ? QString() : title);
}

QString ElidedComboBox::ShownText() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QString text = currentIndex() < 0 ? placeholderText() : option.currentText;
  const QRect room =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  return fontMetrics().elidedText(text, Qt::ElideRight, room.width() - 2);
}

// As QComboBox draws itself, with the shortened text.
void ElidedComboBox::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  if (currentIndex() < 0)
    option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
  option.currentText = ShownText();
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

#include "Fonts.h"

// The windows are laid out in twips, 15 to a pixel; Qt's high-DPI scaling does the rest.
inline constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips) {
  return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(TwipsRect(left, top, width, height));
}

// Fonts sized in points as the layout was drawn (96 dots to the inch), so text keeps its place
// among controls sized in pixels whatever the screen's own font scaling says.
inline QFont PointFont(Face face, double points, bool bold = false, bool italic = false) {
  QFont font(Family(face, italic));
  font.setPixelSize(qRound(points * 96.0 / 72.0));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// The windows' default: MS Sans Serif 8 pt as laid out, in its metric twin.
inline QFont SansFont(double points = 8, bool bold = false, bool italic = false) {
  return PointFont(Face::Sans, points, bold, italic);
}

inline void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

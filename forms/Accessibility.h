// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// What a screen reader says of a control that shows a value: what it is, then the value
// ("Money: $20000"); only what it is while there is nothing to show.
QString Spoken(const QString& what, const QString& value);

// Takes `widget` and everything inside it out of what a screen reader reads: pictures and
// lines that only decorate. Call before the widget is first shown.
void MarkDecorative(QWidget* widget);

// Explains `control` in the same words twice: as its tooltip, wrapped to a readable width, and as
// what a screen reader adds to its name.
void Explain(QWidget* control, const QString& text);

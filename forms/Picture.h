// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture control: draws an SVG resource stretched to the control. A missing or broken
// picture leaves the control empty; the window works on without it. Screen readers pass over it.
class Picture final : public QWidget {
  Q_OBJECT

 public:
  explicit Picture(const QString& resource, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* renderer_;
};

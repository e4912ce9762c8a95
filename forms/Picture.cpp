// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Picture.h"

#include <QPainter>
#include <QSvgRenderer>

#include "Accessibility.h"

Picture::Picture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(resource, this)) {
  // Every picture of the game decorates; the windows say in words what matters.
  MarkDecorative(this);
}

void Picture::paintEvent(QPaintEvent* /*event*/) {
  if (!renderer_->isValid()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_->render(&painter, QRectF(rect()));
}

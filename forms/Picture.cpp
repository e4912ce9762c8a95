#include "Picture.h"

#include <QPainter>
#include <QSvgRenderer>

Picture::Picture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(resource, this)) {}

void Picture::paintEvent(QPaintEvent* /*event*/) {
  if (!renderer_->isValid()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_->render(&painter, QRectF(rect()));
}

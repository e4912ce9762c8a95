// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmHigh.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QSvgRenderer>
#include <algorithm>
#include <array>

#include "Accessibility.h"
#include "Game.h"
#include "Twips.h"
#include "WindowPlace.h"
#include "modEvents.h"
#include "modHelp.h"

namespace {

constexpr double HeadingPoints = 24;

// Each list item carries its row's columns under this role.
constexpr int ColumnsRole = Qt::UserRole;

// Draws a row's columns side by side, so the defences and the fortunes line up whatever the
// names; a name too long for its column ends in an ellipsis.
class ColumnDelegate final : public QStyledItemDelegate {
 public:
  ColumnDelegate(std::array<int, 2> tabStops, QObject* parent)
      : QStyledItemDelegate(parent), tabStops_(tabStops) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    const QStyle* style = plain.widget != nullptr ? plain.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);  // no text

    const QStringList columns = index.data(ColumnsRole).toStringList();

    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect row = option.rect.adjusted(Margin, 0, -Margin, 0);
    for (int column = 0; column < columns.size(); ++column) {
      const int left = row.left() + (column == 0 ? 0 : tabStops_[column - 1]);
      const int right =
          column + 1 < columns.size() ? row.left() + tabStops_[column] - Margin : row.right();
      const QRect cell(left, row.top(), std::max(0, right - left), row.height());
      painter->drawText(
          cell, Qt::AlignLeft | Qt::AlignVCenter,
          option.fontMetrics.elidedText(columns[column], Qt::ElideRight, cell.width()));
    }
    painter->restore();
  }

 private:
  static constexpr int Margin = 3;
  std::array<int, 2> tabStops_;
};

}  // namespace

frmHigh::frmHigh(ringvale::Game& game, QWidget* parent) : QWidget(parent, Qt::Window), game_(game) {
  setObjectName("frmHigh");
  setWindowTitle(QStringLiteral("Ringvale - Hall of Fame"));
  setFixedSize(Px(6540), Px(4575));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  background_ = new QSvgRenderer(QStringLiteral(":/hall-background.svg"), this);

  auto* Label1 = new QLabel(QStringLiteral("The Greatest of the Great"), this);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setStyleSheet(QStringLiteral("color: #ffff00; background-color: black;"));
  PlaceTwips(Label1, 240, 120, 6015, 735);
  // The heading shrinks rather than lose its ends to a font wider than the one it was laid out in.
  QFont heading = SansFont(HeadingPoints, true);
  while (heading.pixelSize() > 8 &&
         QFontMetrics(heading).horizontalAdvance(Label1->text()) > Label1->width() - 4) {
    heading.setPixelSize(heading.pixelSize() - 1);
  }
  Label1->setFont(heading);

  lstHigh_ = new QListWidget(this);
  lstHigh_->setObjectName("lstHigh");
  lstHigh_->setFont(SansFont(8));
  lstHigh_->setStyleSheet(QStringLiteral(
      "QListWidget { color: #ffff00; background-color: black; border: 1px solid #808000; }"));
  lstHigh_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lstHigh_->setUniformItemSizes(true);
  PlaceTwips(lstHigh_, 240, 1560, 6135, 2460);
  lstHigh_->setAccessibleName(QStringLiteral("Hall of fame"));
  Explain(lstHigh_, QString::fromStdString(ringvale::HallOfFameTip()));
  // Name, then " TD: n" from 58% of the width and " $money" from 73%.
  const int inner = lstHigh_->width();
  lstHigh_->setItemDelegate(new ColumnDelegate({inner * 58 / 100, inner * 73 / 100}, lstHigh_));
  for (int i = 0; i < static_cast<int>(game_.high.lstHigh.size()); ++i)
    lstHigh_->addItem(QString());
  Redraw();

  // What the middle column's "TD" stands for, beside Close.
  auto* lblLegend = new QLabel(QStringLiteral("TD: title defences"), this);
  lblLegend->setObjectName("lblLegend");
  lblLegend->setStyleSheet(QStringLiteral("color: #ffff00; background-color: black;"));
  PlaceTwips(lblLegend, 240, 4140, 1500, 255);

  auto* cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");
  PlaceTwips(cmdClose, 4920, 4080, 1455, 375);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
  WindowPlace::Remember(this);
}

void frmHigh::Reload() {
  ringvale::LoadHallOfFame(game_);
  Redraw();
}

void frmHigh::Redraw() {
  for (int i = 0; i < lstHigh_->count(); ++i) {
    const ringvale::HallRow& row = game_.high.rows.at(i);
    const QStringList columns{QString::fromStdString(row.Boxer),
                              QString::fromStdString(row.Defences),
                              QString::fromStdString(row.Fortune)};
    QListWidgetItem* item = lstHigh_->item(i);
    item->setText(QString::fromStdString(game_.high.lstHigh.at(i)));
    item->setData(ColumnsRole, columns);
    // Marked as rich text holding escaped text, so a name that looks like markup shows as typed.
    item->setToolTip(QStringLiteral("<qt>") +
                     columns.join(QLatin1Char(' ')).trimmed().toHtmlEscaped() + "</qt>");
    item->setData(Qt::AccessibleTextRole, columns.join(QLatin1Char(' ')).trimmed());
  }
}

void frmHigh::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void frmHigh::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (background_->isValid()) background_->render(&painter, QRectF(rect()));
}

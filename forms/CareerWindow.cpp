// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CareerWindow.h"

#include <QAccessibleWidget>
#include <QBrush>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "Twips.h"
#include "WindowPlace.h"

namespace {

// Qt reads a top-level plain widget as a nameless client area; these are windows of their own.
QAccessibleInterface* ReadAsWindow(const QString& className, QObject* object) {
  if (className != QLatin1String(CareerWindow::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

// Sizes each column of `table` to the widest of its heading, its cells and the `samples` rows, up
// to the header's maximum, and the table to show every column; column `stretch` then fills the
// rest of the table.
void Fit(QTableView* table, int stretch, const QList<QStringList>& samples) {
  QHeaderView* header = table->horizontalHeader();
  header->setSectionResizeMode(stretch, QHeaderView::Interactive);
  const QAbstractItemModel* model = table->model();
  const int grid = table->showGrid() ? 1 : 0;
  // The player's rows are bold: a sample is measured as one of his.
  const QFontMetrics bold(PlayerRowLook(Qt::FontRole).value<QFont>());
  const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + grid;
  int length = 0;
  for (int column = 0; column < header->count(); ++column) {
    int needed = header->sectionSizeHint(column);
    for (int row = 0; row < model->rowCount(); ++row)
      needed = std::max(needed, table->sizeHintForIndex(model->index(row, column)).width() + grid);
    for (const QStringList& sample : samples)
      needed = std::max(needed, bold.horizontalAdvance(sample.value(column)) + margins);
    needed = std::min(needed, header->maximumSectionSize());
    header->resizeSection(column, needed);
    length += needed;
  }
  header->setSectionResizeMode(stretch, QHeaderView::Stretch);
  const int width =
      length + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
  if (width > table->minimumWidth()) table->setMinimumWidth(width);
}

}  // namespace

CareerWindow::CareerWindow(ringvale::Game& game, const char* name, const QString& title)
    : QWidget(nullptr, Qt::Window), game_(game) {
  static const bool readAsWindow = [] {
    QAccessible::installFactory(ReadAsWindow);
    return true;
  }();
  (void)readAsWindow;
  setObjectName(name);
  WindowPlace::Remember(this);
  setWindowTitle(title);
  QFont font = SansFont();
  // Their tables are drawn again every week: Latin names are not worth shaping anew each time
  // (text whose script needs shaping still gets it).
  font.setStyleStrategy(QFont::PreferNoShaping);
  setFont(font);
  auto* layout = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  layout->addLayout(body_, 1);
  buttons_ = new QHBoxLayout;
  buttons_->addStretch();
  layout->addLayout(buttons_);
}

void CareerWindow::AddCloseButton() {
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName("cmdClose");
  close->setAccessibleName(QStringLiteral("Close the window"));
  close->setAutoDefault(false);
  buttons_->addWidget(close);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void CareerWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CareerWindow::FitTable(QTableView* table, int stretch,
                            std::function<QList<QStringList>()> samples, int rows) {
  QHeaderView* header = table->horizontalHeader();
  // A boxer's name may be very long: past this a column ends its texts in "…".
  header->setMaximumSectionSize(360);
  // The player may still widen a column by its heading, or the window.
  header->setSectionResizeMode(QHeaderView::Interactive);
  Fit(table, stretch, samples());
  connect(table->model(), &QAbstractItemModel::modelReset, table,
          [table, stretch, samples] { Fit(table, stretch, samples()); });
  const int height = header->sizeHint().height() +
                     rows * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth();
  table->setMinimumHeight(std::max(height, table->minimumHeight()));
}

QVariant PlayerRowLook(int role) {
  switch (role) {
    case Qt::FontRole:
      return SansFont(8, true);
    case Qt::BackgroundRole:
      return QBrush(QColor(255, 236, 160));
    case Qt::ForegroundRole:
      return QBrush(Qt::black);
    default:
      return {};
  }
}

#include "CareerWindow.h"

#include <QAccessibleWidget>
#include <QBrush>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "Twips.h"

namespace {

// Qt reads a top-level plain widget as a nameless client area; these are windows of their own.
QAccessibleInterface* ReadAsWindow(const QString& className, QObject* object) {
  if (className != QLatin1String(CareerWindow::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

// Widens the columns of `table` to fit the cells from `topLeft` to `bottomRight`, up to the
// header's maximum, and the table to show every column.
void Widen(QTableView* table, const QModelIndex& topLeft, const QModelIndex& bottomRight) {
  QHeaderView* header = table->horizontalHeader();
  const QAbstractItemModel* model = table->model();
  const int grid = table->showGrid() ? 1 : 0;
  const bool cells = topLeft.isValid() && bottomRight.isValid();  // none in an empty table
  for (int column = topLeft.column(); cells && column <= bottomRight.column(); ++column) {
    int needed = header->sectionSize(column);
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
      needed = std::max(needed, table->sizeHintForIndex(model->index(row, column)).width() + grid);
    needed = std::min(needed, header->maximumSectionSize());
    if (needed > header->sectionSize(column)) header->resizeSection(column, needed);
  }
  const int width =
      header->length() + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
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

void CareerWindow::FitTable(QTableView* table, int rows) {
  QHeaderView* header = table->horizontalHeader();
  // A boxer's name may be very long: past this a column ends its texts in "...".
  header->setMaximumSectionSize(360);
  header->setSectionResizeMode(QHeaderView::Fixed);
  for (int column = 0; column < header->count(); ++column)
    header->resizeSection(column, header->sectionSizeHint(column));
  const QAbstractItemModel* model = table->model();
  const auto fitRows = [table, model](int first, int last) {
    Widen(table, model->index(first, 0), model->index(last, model->columnCount() - 1));
  };
  connect(model, &QAbstractItemModel::rowsInserted, table,
          [fitRows](const QModelIndex&, int first, int last) { fitRows(first, last); });
  connect(model, &QAbstractItemModel::dataChanged, table,
          [table](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
            Widen(table, topLeft, bottomRight);
          });
  connect(model, &QAbstractItemModel::modelReset, table,
          [fitRows, model] { fitRows(0, model->rowCount() - 1); });
  fitRows(0, model->rowCount() - 1);
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

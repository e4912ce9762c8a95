#include "CareerWindow.h"

#include <QBrush>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLibrary>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "Game.h"
#include "Twips.h"

CareerWindow::CareerWindow(ringvale::Game& game, const char* name, const QString& title)
    : QWidget(nullptr, Qt::Window), game_(game) {
  setObjectName(name);
  setWindowTitle(title);
  setFont(SansFont());
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
  // A boxer's name may be very long: past this a column ends its texts in "...".
  table->horizontalHeader()->setMaximumSectionSize(360);
  table->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
  const int frame = 2 * table->frameWidth();
  const int width =
      table->horizontalHeader()->length() + frame + table->verticalScrollBar()->sizeHint().width();
  const int height = table->horizontalHeader()->sizeHint().height() +
                     rows * table->verticalHeader()->defaultSectionSize() + frame;
  table->setMinimumSize(std::max(width, table->minimumWidth()),
                        std::max(height, table->minimumHeight()));
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

CareerWindow* LoadCareerChart(ringvale::Game& game) {
  using Make = CareerWindow* (*)(ringvale::Game&);
  // Beside the program in a build, in the package's library folder once installed.
  const QString programFolder = QCoreApplication::applicationDirPath();
  QString error;
  for (const QString& folder :
       {programFolder, programFolder + QStringLiteral("/" RINGVALE_INSTALLED_CHART)}) {
    QLibrary module(folder + QStringLiteral("/ringvale-chart"));
    if (auto make = reinterpret_cast<Make>(module.resolve("MakeCareerChart"))) return make(game);
    error = module.errorString();
  }
  game.screen.Message("The career chart cannot be opened: " + error.toStdString(), "Ringvale");
  return nullptr;
}

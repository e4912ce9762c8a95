// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmCareers.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "FightLog.h"
#include "Game.h"
#include "RowTable.h"
#include "Twips.h"
#include "WindowPlace.h"
#include "modGraphics.h"

namespace {

constexpr int CareerIndexRole = Qt::UserRole + 1;  // on the Boxer cell: which of careers_
constexpr int VisibleRows = 8;

struct ColumnLook {
  const char* heading;
  Qt::SortOrder keyboardOrder;  // how the Sort by box sorts it: names and places from the first
};
constexpr std::array<ColumnLook, frmCareers::Columns> ColumnLooks = {{
    {"Boxer", Qt::AscendingOrder},
    {"Date", Qt::DescendingOrder},
    {"Place", Qt::AscendingOrder},
    {"Wins", Qt::DescendingOrder},
    {"Losses", Qt::DescendingOrder},
    {"Draws", Qt::DescendingOrder},
    {"Money", Qt::DescendingOrder},
    {"Last saved", Qt::DescendingOrder},
    {"Cannot be loaded", Qt::AscendingOrder},  // shown only when a file cannot be
}};

QStandardItem* Cell(const QString& text, const QVariant& sortBy, bool number = true) {
  auto* item = new QStandardItem(text);
  item->setData(sortBy, frmCareers::SortRole);
  item->setEditable(false);
  item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                : Qt::AlignLeft | Qt::AlignVCenter);
  return item;
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

frmCareers::frmCareers(ringvale::Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("frmCareers");
  WindowPlace::Remember(this);
  setWindowTitle(QStringLiteral("Ringvale - Careers"));
  setFont(SansFont());
  model_ = new QStandardItemModel(0, Columns, this);
  model_->setSortRole(SortRole);
  for (int column = 0; column < Columns; ++column)
    model_->setHeaderData(column, Qt::Horizontal, QString::fromUtf8(ColumnLooks[column].heading));

  auto* sortCaption = new QLabel(QStringLiteral("&Sort by:"), this);
  sortCaption->setObjectName("lblSortBy");
  cmbSortBy_ = new QComboBox(this);
  cmbSortBy_->setObjectName("cmbSortBy");
  cmbSortBy_->setAccessibleName(QStringLiteral("Sort the careers by"));
  sortCaption->setBuddy(cmbSortBy_);
  for (int column = 0; column < Problem; ++column)
    cmbSortBy_->addItem(QString::fromUtf8(ColumnLooks[column].heading));

  auto* caption = new QLabel(QStringLiteral("&Careers in the game folder:"), this);
  caption->setObjectName("lblCareers");
  tblCareers_ = MakeRowTable(this, "tblCareers", QStringLiteral("Careers"), model_, caption);
  tblCareers_->setSortingEnabled(true);
  // A reason that cannot be loaded ends in "..." past this; the whole shows as its tooltip.
  tblCareers_->horizontalHeader()->setMaximumSectionSize(360);
  tblCareers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tblCareers_->setMinimumHeight(tblCareers_->horizontalHeader()->sizeHint().height() +
                                VisibleRows * tblCareers_->verticalHeader()->defaultSectionSize() +
                                2 * tblCareers_->frameWidth());

  cmdContinue_ = new QPushButton(QStringLiteral("C&ontinue"), this);
  cmdContinue_->setObjectName("cmdContinue");
  cmdContinue_->setDefault(true);
  cmdDelete_ = new QPushButton(QStringLiteral("&Delete..."), this);
  cmdDelete_->setObjectName("cmdDelete");
  cmdDelete_->setAutoDefault(false);
  auto* cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setAutoDefault(false);

  auto* sortRow = new QHBoxLayout;
  sortRow->addWidget(sortCaption);
  sortRow->addWidget(cmbSortBy_);
  sortRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdContinue_);
  buttons->addWidget(cmdDelete_);
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sortRow);
  layout->addWidget(caption);
  layout->addWidget(tblCareers_, 1);
  layout->addLayout(buttons);

  connect(cmbSortBy_, &QComboBox::activated, this, [this](int column) {
    tblCareers_->sortByColumn(column, ColumnLooks[column].keyboardOrder);
  });
  connect(tblCareers_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
          [this](int column) { cmbSortBy_->setCurrentIndex(column); });
  connect(cmdContinue_, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
  connect(cmdDelete_, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
  connect(tblCareers_, &QTableView::doubleClicked, this, [this] { cmdContinue_Click(); });
  auto* deleteKey =
      new QShortcut(QKeySequence::Delete, tblCareers_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(deleteKey, &QShortcut::activated, cmdDelete_, &QPushButton::click);

  // The career played last comes first.
  tblCareers_->sortByColumn(Saved, Qt::DescendingOrder);
  Reload();
  connect(tblCareers_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { ShowCurrent(); });
  tblCareers_->setFocus();
}

void frmCareers::Reload() {
  careers_ = ringvale::ListCareers(game_.folder);
  model_->removeRows(0, model_->rowCount());
  const QLocale locale;
  for (std::size_t i = 0; i < careers_.size(); ++i) {
    const ringvale::CareerSummary& career = careers_[i];
    const QString boxer = Text(career.Boxer);
    const QDateTime saved = QFileInfo(QString::fromStdString(career.Path.string())).lastModified();
    QList<QStandardItem*> row(Columns);
    row[Boxer] = Cell(boxer, boxer.toCaseFolded(), false);
    row[Boxer]->setData(int(i), CareerIndexRole);
    row[Boxer]->setToolTip(boxer);  // whole, where a long name ends in "…"
    row[Saved] =
        Cell(locale.toString(saved, QLocale::ShortFormat), saved.toMSecsSinceEpoch(), false);
    if (career.Problem.empty()) {
      row[Date] = Cell(Text(ringvale::WeekText(career.TotalWeeks)), int(career.TotalWeeks), false);
      row[Place] = Cell(Text(ringvale::PlaceText(career.Rank)), int(career.Rank));
      row[Wins] = Cell(QString::number(career.Wins), int(career.Wins));
      row[Losses] = Cell(QString::number(career.Losses), int(career.Losses));
      row[Draws] = Cell(QString::number(career.Draws), int(career.Draws));
      row[Money] = Cell(Text("$" + ringvale::MoneyOnScreen(game_, career.Money)), career.Money);
      row[Problem] = Cell({}, {}, false);
    } else {
      for (const Column column : {Date, Place, Wins, Losses, Draws, Money})
        row[column] = Cell({}, {});
      row[Problem] = Cell(Text(career.Problem), Text(career.Problem), false);
      row[Problem]->setToolTip(row[Problem]->text());
    }
    model_->appendRow(row);
  }
  tblCareers_->setColumnHidden(Problem,
                               std::all_of(careers_.begin(), careers_.end(),
                                           [](const auto& c) { return c.Problem.empty(); }));
  QHeaderView* header = tblCareers_->horizontalHeader();
  model_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
  // As wide as its columns, so every one shows whole; it never shrinks, so the window does not
  // jump when a career is deleted.
  header->resizeSections(QHeaderView::ResizeToContents);
  tblCareers_->setMinimumWidth(std::max(tblCareers_->minimumWidth(),
                                        header->length() + 2 * tblCareers_->frameWidth() +
                                            tblCareers_->verticalScrollBar()->sizeHint().width()));
  tblCareers_->setCurrentIndex(model_->index(0, 0));
  ShowCurrent();
}

const ringvale::CareerSummary* frmCareers::Current() const {
  const QModelIndex current = tblCareers_->currentIndex();
  if (!current.isValid()) return nullptr;
  const QVariant index = model_->index(current.row(), Boxer).data(CareerIndexRole);
  return &careers_.at(index.toInt());
}

void frmCareers::ShowCurrent() {
  const ringvale::CareerSummary* career = Current();
  cmdContinue_->setEnabled(career != nullptr && career->Problem.empty());
  cmdDelete_->setEnabled(career != nullptr);
}

void frmCareers::cmdContinue_Click() {
  const ringvale::CareerSummary* career = Current();
  if (career == nullptr || !career->Problem.empty()) return;
  chosen_ = QString::fromStdString(career->Path.string());
  accept();
}

void frmCareers::cmdDelete_Click() {
  const ringvale::CareerSummary* career = Current();
  if (career == nullptr) return;
  const int row = tblCareers_->currentIndex().row();
  if (!ringvale::DeleteCareer(game_, *career)) return;
  Reload();
  // The next career takes the deleted one's place.
  tblCareers_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
  tblCareers_->setFocus();
}

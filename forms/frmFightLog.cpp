#include "frmFightLog.h"

#include <QAbstractTableModel>
#include <QBoxLayout>
#include <QBrush>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <array>
#include <cmath>
#include <vector>

#include "FightLog.h"
#include "Game.h"
#include "Twips.h"
#include "modGraphics.h"

// The log's bouts, newest first, all or only the player's.
class FightLogModel final : public QAbstractTableModel {
 public:
  enum Column { When, Bout, How, Money, Columns };

  FightLogModel(const ringvale::Game& game, QObject* parent)
      : QAbstractTableModel(parent), game_(game) {}

  void Refresh(bool mineOnly) {
    const auto& bouts = game_.log.Bouts;
    std::vector<int> shown;
    for (int i = int(bouts.size()) - 1; i >= 0; --i) {
      if (!mineOnly || bouts[i].Involves(ringvale::PlayerIndex)) shown.push_back(i);
    }
    // The list is laid out afresh only when its rows change, so reading it is not disturbed.
    if (shown != shown_) {
      beginResetModel();
      shown_ = std::move(shown);
      endResetModel();
    } else if (!shown_.empty()) {
      emit dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1));
    }
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : int(shown_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : Columns;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ringvale::BoutRecord& bout = game_.log.Bouts.at(shown_[index.row()]);
    const bool mine = bout.Involves(ringvale::PlayerIndex);
    switch (role) {
      case Qt::DisplayRole:
      case Qt::AccessibleTextRole: {
        QString text = Text(bout, index.column());
        if (role == Qt::AccessibleTextRole && mine && index.column() == Bout)
          text = QStringLiteral("Your bout: ") + text;
        return text;
      }
      case Qt::TextAlignmentRole:
        return int((index.column() == Money ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      case Qt::FontRole:
      case Qt::BackgroundRole:
      case Qt::ForegroundRole:
        return mine ? PlayerRowLook(role) : QVariant();
      case Qt::ToolTipRole:
        return mine ? QStringLiteral("Your bout") : QVariant();
      default:
        return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static const std::array<const char*, Columns> headings = {"When", "Bout (places before it)",
                                                              "How", "Money"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= Columns)
      return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(headings[section]);
  }

 private:
  QString Text(const ringvale::BoutRecord& bout, int column) const {
    switch (column) {
      case When:
        return QString::fromStdString(ringvale::WeekText(bout.Week));
      case Bout:
        return QString::fromStdString(ringvale::BoutText(game_.career, bout));
      case How:
        return QString::fromStdString(ringvale::HowText(bout));
      case Money:
        if (bout.Money == 0) return {};
        return QString::fromStdString((bout.Money < 0 ? "-$" : "$") +
                                      ringvale::MoneyOnScreen(game_, std::abs(bout.Money)));
    }
    return {};
  }

  const ringvale::Game& game_;
  std::vector<int> shown_;  // log indexes of the rows, newest first
};

frmFightLog::frmFightLog(ringvale::Game& game)
    : CareerWindow(game, "frmFightLog", QStringLiteral("Ringvale - Fight Log")) {
  model_ = new FightLogModel(game, this);
  chkMine_ = new QCheckBox(QStringLiteral("Show only &my bouts"), this);
  chkMine_->setObjectName("chkMine");
  chkMine_->setAccessibleName(QStringLiteral("Show only my bouts"));
  connect(chkMine_, &QCheckBox::toggled, this, &frmFightLog::Redraw);

  auto* caption = new QLabel(QStringLiteral("&Bouts, newest first (yours in bold):"), this);
  caption->setObjectName("lblFightLog");
  tblFightLog_ = new QTableView(this);
  tblFightLog_->setObjectName("tblFightLog");
  tblFightLog_->setAccessibleName(QStringLiteral("Bouts of the career, newest first"));
  caption->setBuddy(tblFightLog_);
  tblFightLog_->setModel(model_);
  tblFightLog_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblFightLog_->setSelectionMode(QAbstractItemView::SingleSelection);
  tblFightLog_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblFightLog_->setTabKeyNavigation(false);
  tblFightLog_->setWordWrap(false);
  tblFightLog_->verticalHeader()->hide();
  tblFightLog_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

  Body()->addWidget(chkMine_);
  Body()->addWidget(caption);
  Body()->addWidget(tblFightLog_);
  setTabOrder(chkMine_, tblFightLog_);
  AddCloseButton();
  Redraw();
  resize(minimumSizeHint().width(), 460);
}

void frmFightLog::Redraw() {
  model_->Refresh(chkMine_->isChecked());
  FitTable(tblFightLog_);
}

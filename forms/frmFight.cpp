// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmFight.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTimer>

#include "Accessibility.h"
#include "Elide.h"
#include "Game.h"
#include "Twips.h"
#include "modEvents.h"
#include "modFights.h"
#include "modHelp.h"

namespace {

constexpr double NamePoints = 21.75;
constexpr double SmallestNamePoints = 12;  // still read at a glance; a longer name ends in "…"

// Fight On plays a round this often: long enough to see each round's bars and commentary come,
// short enough that ten rounds take under eight seconds. Escape stops it to read at leisure.
constexpr int FightOnPaceMs = 750;

// Red on black, as the ring lights show it.
constexpr const char* RedOnBlack = "color: #ff2020; background-color: black;";

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);  // names show as typed
  label->setStyleSheet(RedOnBlack);
  return label;
}

QProgressBar* MakeBar(QWidget* parent, const char* name) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(name);
  bar->setOrientation(Qt::Vertical);
  bar->setRange(0, ringvale::FightBarTop);
  bar->setValue(0);
  bar->setTextVisible(false);
  return bar;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// A long name shrinks to fit its label, down to a size still easily read.
void SetName(QLabel* label, const std::string& name) {
  const QString text = QString::fromStdString(name);
  QFont font = PointFont(Face::Mono, NamePoints, true);
  const int smallest = PointFont(Face::Mono, SmallestNamePoints, true).pixelSize();
  const int room = label->contentsRect().width();
  while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(text) > room) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  label->setFont(font);
  SetElidedText(label, text);
}

// A yellow frame over the control that has the keyboard focus: the style's own marks hardly show
// on the dark window.
class FocusRing final : public QWidget {
 public:
  explicit FocusRing(QWidget* window) : QWidget(window) {
    setObjectName("focusRing");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    MarkDecorative(this);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this, window](QWidget*, QWidget* now) {
      if (now == nullptr || now->window() != window || now == window) return hide();
      setParent(now->parentWidget());
      setGeometry(now->geometry());
      raise();
      show();
    });
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.setPen(QPen(QColor(0xff, 0xd7, 0x00), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
};

// The bar, and what a screen reader says of it: "Sam: 23 of 40".
void ShowStamina(QProgressBar* bar, const std::string& boxer, int stamina) {
  bar->setValue(stamina);
  // The captions under both bars say only "Power": tooltip and screen reader say whose it is.
  const QString says = QStringLiteral("%1: %2 of %3")
                           .arg(QString::fromStdString(boxer))
                           .arg(bar->value())
                           .arg(ringvale::FightBarTop);
  bar->setToolTip(says);
  bar->setAccessibleName(says);
}

}  // namespace

frmFight::frmFight(ringvale::Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("frmFight");
  setWindowTitle(QString(34, QLatin1Char(' ')) + QStringLiteral("Fight Night"));
  setFixedSize(Px(5250), Px(6585));
  setFont(SansFont());
  setModal(true);
  // Until the picture exists the window stays plain black.
  background_ = new QSvgRenderer(QStringLiteral(":/fight-background.svg"), this);

  Label1 = MakeLabel(this, "Label1", QStringLiteral("Welcome to tonight's Ringvale,"));
  PlaceTwips(Label1, 480, 120, 3495, 255);
  lblPlayer = MakeLabel(this, "lblPlayer", QStringLiteral("Player"));
  PlaceTwips(lblPlayer, 360, 720, 4335, 495);
  lblPlayer->setFont(PointFont(Face::Mono, NamePoints, true));
  Label3 = MakeLabel(this, "Label3", QStringLiteral("vs"));
  PlaceTwips(Label3, 2520, 1200, 255, 255);
  lblRival = MakeLabel(this, "lblRival", QStringLiteral("Rival"));
  PlaceTwips(lblRival, 360, 1560, 4335, 495);
  lblRival->setFont(lblPlayer->font());

  fraFight = new QGroupBox(this);
  fraFight->setObjectName("fraFight");
  fraFight->setStyleSheet(
      "QGroupBox#fraFight { color: #ff2020; background-color: black; border: 1px solid #ff2020;"
      " margin-top: 6px; }"
      "QGroupBox#fraFight::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }");
  PlaceTwips(fraFight, 240, 2160, 4815, 4215);

  proStamina = MakeBar(fraFight, "proStamina");
  PlaceTwips(proStamina, 240, 360, 375, 3015);
  txtComments = new QPlainTextEdit(fraFight);
  txtComments->setObjectName("txtComments");
  txtComments->setReadOnly(true);
  txtComments->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtComments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtComments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PlaceTwips(txtComments, 720, 360, 3375, 2415);
  proRivStamina = MakeBar(fraFight, "proRivStamina");
  PlaceTwips(proRivStamina, 4200, 360, 375, 3015);

  cmdRetire = MakeButton(fraFight, "cmdRetire", QStringLiteral("Retire"));
  PlaceTwips(cmdRetire, 1800, 2880, 855, 255);
  optAttack = new QRadioButton(QStringLiteral("Attack"), fraFight);
  optAttack->setObjectName("optAttack");
  SetTextColour(optAttack, QColor(0xff, 0x20, 0x20));
  optAttack->setChecked(true);
  PlaceTwips(optAttack, 720, 3000, 1095, 255);
  optDefend = new QRadioButton(QStringLiteral("Defend"), fraFight);
  optDefend->setObjectName("optDefend");
  SetTextColour(optDefend, QColor(0xff, 0x20, 0x20));
  PlaceTwips(optDefend, 2760, 3000, 1095, 255);
  cmdDive = MakeButton(fraFight, "cmdDive", QStringLiteral("Dive"));
  PlaceTwips(cmdDive, 1800, 3240, 855, 255);
  Label7 = MakeLabel(fraFight, "Label7", QStringLiteral("Power"));
  PlaceTwips(Label7, 120, 3360, 735, 255);
  Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label2 = MakeLabel(fraFight, "Label2", QStringLiteral("Power"));
  PlaceTwips(Label2, 3960, 3360, 735, 255);
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  cmdNextRound = MakeButton(fraFight, "cmdNextRound", QStringLiteral("Next Round"));
  PlaceTwips(cmdNextRound, 1440, 3600, 1575, 375);
  cmdNextRound->setDefault(true);
  new FocusRing(this);
  cmdNextRound->setFocus();
  cmdFightOn = MakeButton(fraFight, "cmdFightOn", QStringLiteral("&Fight On"));
  cmdFightOn->setToolTip(QStringLiteral("Every round to the final bell (Alt+F); Escape stops"));
  PlaceTwips(cmdFightOn, 3120, 3630, 1335, 345);
  timFightOn = new QTimer(this);
  timFightOn->setObjectName("timFightOn");
  timFightOn->setSingleShot(true);  // the next round is timed from the end of the last
  timFightOn->setInterval(FightOnPaceMs);
  connect(timFightOn, &QTimer::timeout, this, [this] { FightOnRound(); });

  // From the keyboard as on the screen: the commentary, then Attack, Retire and Defend side by
  // side, then Dive and Next Round below them.
  txtComments->setAccessibleName(QStringLiteral("Commentary"));
  setTabOrder(txtComments, optAttack);
  setTabOrder(optAttack, cmdRetire);
  setTabOrder(cmdRetire, optDefend);
  setTabOrder(optDefend, cmdDive);
  setTabOrder(cmdDive, cmdNextRound);
  setTabOrder(cmdNextRound, cmdFightOn);

  connect(cmdNextRound, &QPushButton::clicked, this, [this] {
    ringvale::DoRound(game_);
    AfterClick();
  });
  connect(cmdRetire, &QPushButton::clicked, this, [this] {
    ringvale::RetireFromBout(game_);
    AfterClick();
  });
  connect(cmdDive, &QPushButton::clicked, this, [this] {
    ringvale::Dive(game_);
    AfterClick();
  });
  connect(cmdFightOn, &QPushButton::clicked, this, [this] {
    FightOn(!fightingOn_);
    if (fightingOn_) FightOnRound();
  });

  Redraw();
}

void frmFight::Redraw() {
  const auto& fight = game_.fight;
  SetName(lblPlayer, fight.lblPlayer);
  SetName(lblRival, fight.lblRival);
  lblPlayer->setAccessibleName(
      Spoken(QStringLiteral("Your boxer"), QString::fromStdString(fight.lblPlayer)));
  lblRival->setAccessibleName(
      Spoken(QStringLiteral("Opponent"), QString::fromStdString(fight.lblRival)));
  fraFight->setTitle(QString::fromStdString(fight.fraFight));
  const QString comments = QString::fromStdString(fight.txtComments);
  if (txtComments->toPlainText() != comments) txtComments->setPlainText(comments);
  cmdNextRound->setText(QString::fromStdString(fight.cmdNextRound));
  ShowStamina(proStamina, fight.lblPlayer, fight.proStamina);
  ShowStamina(proRivStamina, fight.lblRival, fight.proRivStamina);
  cmdDive->setVisible(fight.cmdDiveVisible);
  Explain(cmdDive, QString::fromStdString(ringvale::DiveTip(game_)));
}

void frmFight::AfterClick() {
  Redraw();
  if (game_.bout.Fighting) cmdNextRound->setFocus();
}

// While it fights on, the rounds go to the player's presses again and the buttons with them.
void frmFight::FightOn(bool on) {
  fightingOn_ = on;
  if (!on) timFightOn->stop();
  for (QPushButton* button : {cmdNextRound, cmdRetire, cmdDive}) button->setEnabled(!on);
  cmdFightOn->setText(on ? QStringLiteral("&Stop") : QStringLiteral("&Fight On"));
  if (!on && game_.bout.Fighting) cmdNextRound->setFocus();
}

// A box opened by the round runs its own event loop: the next round is timed only once the
// round is over, so none can start inside it.
void frmFight::FightOnRound() {
  const bool more = ringvale::FightOn(game_);
  Redraw();
  if (more && fightingOn_) {
    timFightOn->start();
  } else {
    FightOn(false);
  }
}

// The title bar's close box and Escape both arrive here; while the bout is on they ask first,
// unless it fights on, which they only stop.
void frmFight::reject() {
  if (fightingOn_) {
    FightOn(false);
  } else if (game_.bout.Fighting) {
    ringvale::AskToRetire(game_);
    AfterClick();
  } else {
    QDialog::reject();
  }
}

void frmFight::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (background_->isValid()) background_->render(&painter, QRectF(rect()));
}

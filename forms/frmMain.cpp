// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <array>
#include <tuple>

#include "Accessibility.h"
#include "Elide.h"
#include "Game.h"
#include "Identity.h"
#include "Picture.h"
#include "QtScreen.h"
#include "Twips.h"
#include "WindowPlace.h"
#include "frmAbout.h"
#include "frmCareers.h"
#include "frmChart.h"
#include "frmFightLog.h"
#include "frmHigh.h"
#include "frmHowToPlay.h"
#include "frmLicences.h"
#include "frmRecords.h"
#include "modBoxer.h"
#include "modFile.h"
#include "modHelp.h"
#include "modSetFights.h"

namespace {

constexpr const char* RecentCareersKey = "RecentCareers";
constexpr int RecentCareersKept = 5;

template <class Window>
CareerWindow* Make(ringvale::Game& game) {
  return new Window(game);
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);  // names show as typed, never as markup
  return label;
}

QProgressBar* MakeBar(QWidget* parent, const char* name, int maximum) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(name);
  bar->setOrientation(Qt::Vertical);
  bar->setRange(0, maximum);
  bar->setValue(0);
  bar->setTextVisible(false);  // the style would not write it across a vertical bar
  return bar;
}

// The tooltip, read out too, of a combo box is that of the entry it shows.
void ShowCurrentTip(QComboBox* combo, const QString& none = {}) {
  const int current = combo->currentIndex();
  Explain(combo, current < 0 ? none : combo->itemData(current, Qt::ToolTipRole).toString());
}

// What the Arrange Bout list says before a boxer is chosen.
const QString ChooseOpponent = QStringLiteral(
    "Choose a boxer ranked next to you, shown in bold, and press Challenge / Next Week.");

}  // namespace

frmMain::frmMain(ringvale::Game& game, QWidget* parent) : QMainWindow(parent), game_(game) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8(ringvale::AppTitle));
  // The game's icon comes with its first real window: drawing it for the splash would only hold
  // back the first picture.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
  setFont(SansFont());
  ChooseCareerFile = [this](const QString& start) { return AskForCareerFile(start); };

  BuildMenus();

  auto* inside = new QWidget(this);
  inside->setObjectName("inside");
  inside->setFixedSize(Px(5415), Px(5505));
  setCentralWidget(inside);

  tabMain = new QTabWidget(inside);
  tabMain->setObjectName("tabMain");
  PlaceTwips(tabMain, 240, 360, 4935, 4935);
  const std::array<const char*, 4> tabs{"View Stats", "Training", "Arrange Bout", "Rankings"};
  std::array<QWidget*, 4> pages{};
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    pages[i] = new QWidget;
    pages[i]->setObjectName(QStringLiteral("tabMainPage%1").arg(i));
    tabMain->addTab(pages[i], QString::fromUtf8(tabs[i]));
  }
  BuildViewStats(pages[0]);
  BuildTraining(pages[1]);
  BuildArrangeBout(pages[2]);
  BuildRankings(pages[3]);
  // Controls sit where they were laid out on the whole tab control, whatever height the
  // style gives the tab strip: they are placed again whenever the pages move.
  pages[0]->parentWidget()->installEventFilter(this);
  PlaceTabControls();

  connect(tabMain, &QTabWidget::currentChanged, this,
          [this](int index) { game_.main.tabMain = index; });

  BuildStatusBar();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  WindowPlace::Remember(this);

  timPunch = new QTimer(this);
  timPunch->setObjectName("timPunch");
  timPunch->setInterval(ringvale::PunchIntervalMs);
  connect(timPunch, &QTimer::timeout, this, [this] {
    ringvale::TickPunch(game_);
    RedrawPictures();
  });

  SetUpKeyboardAndReaders();
  game_.main.PunchFrame = 1;
  if (auto* screen = dynamic_cast<QtScreen*>(&game_.screen)) screen->SetMainWindow(this);
  Redraw();
  timPunch->start();
}

frmMain::~frmMain() {
  delete high_;
  delete howToPlay_;
  for (CareerWindow* window : {records_.data(), fightLog_.data(), chart_.data()}) delete window;
}

void frmMain::BuildMenus() {
  auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& key,
                    auto slot) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  // The career a command leaves in memory joins the recent ones.
  auto noted = [this](void (*command)(ringvale::Game&)) {
    return [this, command] {
      command(game_);
      NoteRecentCareer();
      Redraw();
    };
  };
  QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName("mnuFile");
  add(mnuFile, "mnuNew", QStringLiteral("&New Boxer"), QKeySequence(Qt::CTRL | Qt::Key_N),
      noted(ringvale::NewBoxer));
  add(mnuFile, "mnuLoad", QStringLiteral("&Load Boxer"), QKeySequence(Qt::CTRL | Qt::Key_O),
      [this] { mnuLoad_Click(); });
  add(mnuFile, "mnuCareers", QStringLiteral("&Careers..."),
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] { mnuCareers_Click(); });
  mnuRecent = mnuFile->addMenu(QStringLiteral("&Recent Careers"));
  mnuRecent->setObjectName("mnuRecent");
  // Opening the File menu drops the careers whose files have gone since.
  connect(mnuFile, &QMenu::aboutToShow, this, [this] { RebuildRecentMenu(); });
  add(mnuFile, "mnuSave", QStringLiteral("&Save Boxer"), QKeySequence(Qt::CTRL | Qt::Key_S),
      noted(ringvale::SaveCareer));
  mnuFile->addSeparator()->setObjectName("sep");
  add(mnuFile, "mnuExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
      [this] { mnuExit_Click(); });

  QMenu* mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
  mnuOptions->setObjectName("mnuOptions");
  add(mnuOptions, "mnuHigh", QStringLiteral("&High Scores"), QKeySequence(),
      [this] { mnuHigh_Click(); });
  add(mnuOptions, "mnuRecords", QStringLiteral("&Records"), QKeySequence(Qt::CTRL | Qt::Key_R),
      [this] { ShowSideWindow(records_, Make<frmRecords>); });
  add(mnuOptions, "mnuFightLog", QStringLiteral("&Fight Log"), QKeySequence(Qt::CTRL | Qt::Key_L),
      [this] { ShowSideWindow(fightLog_, Make<frmFightLog>); });
  add(mnuOptions, "mnuChart", QStringLiteral("&Career Chart"), QKeySequence(Qt::CTRL | Qt::Key_G),
      [this] { ShowSideWindow(chart_, Make<frmChart>); });
  mnuOptions->addSeparator()->setObjectName("mnubar");
  add(mnuOptions, "mnuAbout", QStringLiteral("&About..."), QKeySequence(),
      [this] { mnuAbout_Click(); });

  QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
  mnuHelp->setObjectName("mnuHelp");
  add(mnuHelp, "mnuHowToPlay", QStringLiteral("&How to Play"), QKeySequence(Qt::Key_F1),
      [this] { mnuHowToPlay_Click(); });
  add(mnuHelp, "mnuLicences", QStringLiteral("&Licences"), QKeySequence(),
      [this] { frmLicences(this).exec(); });
}

// Two lines: what happened that no box said, and how long the career has gone unsaved.
void frmMain::BuildStatusBar() {
  statusBar()->setObjectName("sbrStatus");
  statusBar()->setSizeGripEnabled(false);
  lblNews = MakeLabel(statusBar(), "lblNews");
  lblSaved = MakeLabel(statusBar(), "lblSaved");
  for (QLabel* label : {lblNews, lblSaved}) {
    label->setWordWrap(true);
    label->setContentsMargins(Px(60), 0, Px(60), 0);
    label->setFixedHeight(2 * label->fontMetrics().lineSpacing() + 2);
  }
  lblNews->setFixedWidth(Px(3705));
  lblSaved->setFixedWidth(Px(1620));
  lblSaved->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  statusBar()->addWidget(lblNews, 1);
  statusBar()->addPermanentWidget(lblSaved);
}

void frmMain::PlaceOnTab(QWidget* control, int left, int top, int width, int height) {
  tabPlacements_.push_back({control, TwipsRect(left, top, width, height)});
}

void frmMain::PlaceTabControls() {
  for (const auto& [control, rect] : tabPlacements_) {
    const QPoint pageOrigin = control->parentWidget()->mapTo(tabMain, QPoint(0, 0));
    control->setGeometry(rect.translated(-pageOrigin));
  }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize) PlaceTabControls();
  return QMainWindow::eventFilter(watched, event);
}

void frmMain::BuildViewStats(QWidget* page) {
  lblWeeks = MakeLabel(page, "lblWeeks");
  PlaceOnTab(lblWeeks, 2280, 1080, 2295, 255);

  comUpcoming = new ElidedComboBox(page);
  comUpcoming->setObjectName("comUpcoming");
  comUpcoming->setPlaceholderText(QStringLiteral("Upcoming Fights"));
  comUpcoming->setCurrentIndex(-1);
  PlaceOnTab(comUpcoming, 360, 600, 4215, 315);
  connect(comUpcoming, &QComboBox::currentIndexChanged, this,
          [this] { ShowCurrentTip(comUpcoming); });

  frmBoxer = new QGroupBox(page);
  frmBoxer->setObjectName("frmBoxer");
  PlaceOnTab(frmBoxer, 360, 1320, 4215, 2535);

  struct Fixed {
    const char* name;
    const char* text;
    int left, top, width, height;
  };
  for (const Fixed& label : {Fixed{"Label1", "Strength :", 120, 600, 855, 255},
                             Fixed{"Label2", "Weight :", 240, 1080, 735, 255},
                             Fixed{"Label3", "Speed :", 240, 1560, 735, 255},
                             Fixed{"Label4", "Wins   /   Losses", 2520, 840, 1455, 255},
                             Fixed{"Label5", "K'O's", 3120, 1440, 495, 255},
                             Fixed{"Label11", "Draws", 3120, 1800, 735, 255},
                             Fixed{"Label13", "Money :", 840, 2160, 855, 255}}) {
    PlaceTwips(MakeLabel(frmBoxer, label.name, QString::fromUtf8(label.text)), label.left,
               label.top, label.width, label.height);
  }
  auto value = [this](const char* name, int left, int top, int width) {
    QLabel* label = MakeLabel(frmBoxer, name);
    PlaceTwips(label, left, top, width, 255);
    return label;
  };
  lblStrength = value("lblStrength", 1080, 600, 855);
  lblWeight = value("lblWeight", 1080, 1080, 735);
  lblSpeed = value("lblSpeed", 1080, 1560, 735);
  lblWins = value("lblWins", 2640, 480, 375);
  lblLosses = value("lblLosses", 3480, 480, 375);
  lblKO = value("lblKO", 2520, 1440, 615);
  lblDraws = value("lblDraws", 2520, 1800, 615);
  lblMoney = value("lblMoney", 1680, 2160, 2055);

  cmdNextWeek = new QPushButton(QStringLiteral("Next Week"), page);
  cmdNextWeek->setObjectName("cmdNextWeek");
  PlaceOnTab(cmdNextWeek, 1680, 4200, 1815, 495);
  connect(cmdNextWeek, &QPushButton::clicked, this, Runs(ringvale::NextWeek));

  cmdNextEvent = new QPushButton(QStringLiteral("Next Event"), page);
  cmdNextEvent->setObjectName("cmdNextEvent");
  cmdNextEvent->setToolTip(QStringLiteral("Next Week until something happens (Ctrl+E)"));
  cmdNextEvent->setAutoDefault(true);
  PlaceOnTab(cmdNextEvent, 3600, 4200, 975, 495);
  connect(cmdNextEvent, &QPushButton::clicked, this, Runs(ringvale::NextEvent));
  // From any page, as the weeks go by whatever the player was looking at.
  auto* nextEvent = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
  connect(nextEvent, &QShortcut::activated, cmdNextEvent, &QPushButton::click);
}

void frmMain::BuildTraining(QWidget* page) {
  // Widened and moved left a little so the wider default sans fits before the options.
  PlaceOnTab(MakeLabel(page, "Label6", QStringLiteral("Focus training on")), 240, 600, 1500, 255);
  PlaceOnTab(MakeLabel(page, "Label12", QStringLiteral("or")), 2880, 600, 495, 255);
  auto option = [&](const char* name, const QString& text, ringvale::Focus focus) {
    auto* button = new QRadioButton(text, page);
    button->setObjectName(name);
    connect(button, &QRadioButton::clicked, this, [this, focus] { ChooseFocus(focus); });
    return button;
  };
  optPower = option("optPower", QStringLiteral("Power"), ringvale::Focus::Power);
  optSpeed = option("optSpeed", QStringLiteral("Speed"), ringvale::Focus::Speed);
  optRest = option("optRest", QStringLiteral("Rest"), ringvale::Focus::Rest);
  PlaceOnTab(optPower, 1800, 480, 960, 255);
  PlaceOnTab(optSpeed, 1800, 840, 960, 255);
  PlaceOnTab(optRest, 3120, 600, 975, 255);

  proPower = MakeBar(page, "proPower", ringvale::PowerBarTop);
  PlaceOnTab(proPower, 960, 1320, 615, 3015);
  PlaceOnTab(MakeLabel(page, "Label7", QStringLiteral("Power")), 840, 4440, 855, 255);
  proSpeed = MakeBar(page, "proSpeed", ringvale::SpeedBarTop);
  PlaceOnTab(proSpeed, 3360, 1320, 615, 3015);
  PlaceOnTab(MakeLabel(page, "Label8", QStringLiteral("Speed")), 3240, 4440, 855, 375);
  // Each bar's value and top, "97 / 130", over it.
  lblPowerBar = MakeLabel(page, "lblPowerBar");
  PlaceOnTab(lblPowerBar, 840, 1065, 855, 255);
  lblSpeedBar = MakeLabel(page, "lblSpeedBar");
  PlaceOnTab(lblSpeedBar, 3240, 1065, 855, 255);
  for (auto* label : {page->findChild<QLabel*>("Label7"), page->findChild<QLabel*>("Label8"),
                      lblPowerBar, lblSpeedBar}) {
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }

  for (int k = 0; k < ringvale::SpeedFrames; ++k) {
    auto* picture = new Picture(QStringLiteral(":/speedbag%1.svg").arg(k + 1), page);
    picture->setObjectName(QStringLiteral("imgS%1").arg(k + 1));
    PlaceOnTab(picture, 2040, 1200, 600, 945);
    imgS[k] = picture;
  }
  for (int k = 0; k < ringvale::PowerFrames; ++k) {
    auto* picture = new Picture(QStringLiteral(":/heavybag%1.svg").arg(k + 1), page);
    picture->setObjectName(QStringLiteral("imgP%1").arg(k + 1));
    PlaceOnTab(picture, 2160, 2280, 585, 1800);
    imgP[k] = picture;
  }
}

void frmMain::BuildArrangeBout(QWidget* page) {
  frameArrange = new QGroupBox(QStringLiteral("Arrange a fight"), page);
  frameArrange->setObjectName("frameArrange");
  PlaceOnTab(frameArrange, 480, 840, 3855, 1695);
  // Label and list sit a few pixels further apart than drawn, so the label fits its text.
  PlaceTwips(MakeLabel(frameArrange, "Label9", QStringLiteral("Arrange bout with :")), 150, 480,
             1620, 255);
  cmbBoxers = new ElidedComboBox(frameArrange);
  cmbBoxers->setObjectName("cmbBoxers");
  for (int rank = 0; rank < ringvale::RosterSize; ++rank) cmbBoxers->addItem(QStringLiteral("-"));
  PlaceTwips(cmbBoxers, 1800, 480, 1935, 315);
  connect(cmbBoxers, &QComboBox::activated, this,
          [this](int index) { game_.main.cmbBoxersIndex = index; });
  connect(cmbBoxers, &QComboBox::currentIndexChanged, this,
          [this] { ShowCurrentTip(cmbBoxers, ChooseOpponent); });
  Command1 = new QPushButton(QStringLiteral("Challenge / Next Week"), frameArrange);
  Command1->setObjectName("Command1");
  PlaceTwips(Command1, 840, 1080, 2055, 495);
  connect(Command1, &QPushButton::clicked, this, Runs([this](ringvale::Game& game) {
            ringvale::ArrangeBout(game, cmbBoxers->currentIndex());
          }));

  frameAgree = new QGroupBox(QStringLiteral("Agree to fight"), page);
  frameAgree->setObjectName("frameAgree");
  PlaceOnTab(frameAgree, 480, 3000, 3855, 1335);
  lblChallenge = MakeLabel(frameAgree, "lblChallenge");
  // Two lines across the frame: a challenger's name and the words around it need more room
  // than one line of the wider default sans.
  lblChallenge->setWordWrap(true);
  lblChallenge->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  PlaceTwips(lblChallenge, 120, 270, 3615, 420);
  cmdSign = new QPushButton(QStringLiteral("Agree to fight?"), frameAgree);
  cmdSign->setObjectName("cmdSign");
  PlaceTwips(cmdSign, 360, 720, 1500, 375);
  connect(cmdSign, &QPushButton::clicked, this, Runs(ringvale::SignChallenge));
  cmdReject = new QPushButton(QStringLiteral("Refuse to fight?"), frameAgree);
  cmdReject->setObjectName("cmdReject");
  PlaceTwips(cmdReject, 1995, 720, 1500, 375);
  connect(cmdReject, &QPushButton::clicked, this, Runs(ringvale::RejectChallenge));
}

void frmMain::BuildRankings(QWidget* page) {
  QLabel* Label10 = MakeLabel(page, "Label10", QStringLiteral("RGV Rankings"));
  Label10->setFont(SansFont(18, true));
  PlaceOnTab(Label10, 1200, 480, 3015, 495);

  auto* Shape1 = new QFrame(page);
  Shape1->setObjectName("Shape1");
  Shape1->setFrameShape(QFrame::Box);
  Shape1->setFrameShadow(QFrame::Plain);
  PlaceOnTab(Shape1, 240, 1080, 4455, 615);
  MarkDecorative(Shape1);

  lblChamp = MakeLabel(page, "lblChamp");
  lblChamp->setFont(SansFont(13.5, true));
  lblChamp->setAlignment(Qt::AlignCenter);
  PlaceOnTab(lblChamp, 360, 1200, 4215, 375);

  lstRanks = new QListWidget(page);
  lstRanks->setObjectName("lstRanks");
  lstRanks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // a long name ends in "…"
  for (int rank = 0; rank < ringvale::RosterSize; ++rank) lstRanks->addItem(QStringLiteral("-"));
  PlaceOnTab(lstRanks, 960, 1800, 3015, 3060);
}

// Names for screen readers and the keyboard's way through the window; the value labels and bars
// are named again at every redraw, with what they show.
void frmMain::SetUpKeyboardAndReaders() {
  tabMain->setAccessibleName(QStringLiteral("Career pages"));
  tabMain->tabBar()->setAccessibleName(tabMain->accessibleName());
  for (int tab = 0; tab < tabMain->count(); ++tab) {
    tabMain->widget(tab)->setAccessibleName(tabMain->tabText(tab));
  }
  comUpcoming->setAccessibleName(QStringLiteral("Upcoming bouts"));
  cmbBoxers->setAccessibleName(QStringLiteral("Opponent"));
  lstRanks->setAccessibleName(QStringLiteral("Rankings"));
  proPower->setAccessibleName(QStringLiteral("Power trained"));
  proSpeed->setAccessibleName(QStringLiteral("Speed trained"));
  for (const auto& [option, focus] :
       {std::pair{optPower, ringvale::Focus::Power}, std::pair{optSpeed, ringvale::Focus::Speed},
        std::pair{optRest, ringvale::Focus::Rest}}) {
    Explain(option, Text(ringvale::FocusTip(focus)));
  }

  // Rest sits between Power and Speed on the screen, so it comes between them from the keyboard.
  setTabOrder(optPower, optRest);
  setTabOrder(optRest, optSpeed);
  // Enter presses the button that has the focus, as Space does.
  for (auto* button : {cmdNextWeek, Command1, cmdSign, cmdReject}) button->setAutoDefault(true);
  // The pages turn with Ctrl+Tab and Ctrl+Shift+Tab wherever the focus is in the window.
  auto turn = [this](std::initializer_list<QKeySequence> keys, int step) {
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(keys);
    connect(shortcut, &QShortcut::activated, this, [this, step] {
      tabMain->setCurrentIndex((tabMain->currentIndex() + step + tabMain->count()) %
                               tabMain->count());
    });
  };
  turn({QKeySequence(Qt::CTRL | Qt::Key_Tab)}, 1);
  turn({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
       -1);
}

void frmMain::Redraw() {
  const ringvale::MainWindow& shown = game_.main;

  struct ValueLabel {
    QLabel* label;
    const char* what;  // what a screen reader calls it
    const std::string& text;
  };
  for (const auto& [label, what, text] : {ValueLabel{lblWeeks, "Date", shown.lblWeeks},
                                          {lblStrength, "Strength", shown.lblStrength},
                                          {lblWeight, "Weight", shown.lblWeight},
                                          {lblSpeed, "Speed", shown.lblSpeed},
                                          {lblWins, "Wins", shown.lblWins},
                                          {lblLosses, "Losses", shown.lblLosses},
                                          {lblKO, "Knock-outs", shown.lblKO},
                                          {lblDraws, "Draws", shown.lblDraws},
                                          {lblMoney, "Money", shown.lblMoney},
                                          {lblChamp, "Champion", shown.lblChamp},
                                          {lblChallenge, "Challenge", shown.lblChallenge},
                                          {lblNews, "News", shown.lblNews},
                                          {lblSaved, "Unsaved", shown.lblSaved}}) {
    SetElidedText(label, Text(text));
    label->setAccessibleName(Spoken(QString::fromUtf8(what), Text(text)));
  }
  SetElidedTitle(frmBoxer, Text(shown.frmBoxer));
  frmBoxer->setAccessibleName(Spoken(QStringLiteral("Boxer Stats"), Text(shown.frmBoxer)));

  {
    const QSignalBlocker blocker(comUpcoming);
    QStringList upcoming;
    for (const auto& entry : shown.comUpcoming) upcoming << Text(entry);
    QStringList listed;
    for (int i = 0; i < comUpcoming->count(); ++i) listed << comUpcoming->itemText(i);
    // The player may be reading an entry: keep it open unless the list itself changed.
    if (upcoming != listed) {
      comUpcoming->clear();
      comUpcoming->addItems(upcoming);
      for (int i = 0; i < upcoming.size(); ++i)
        comUpcoming->setItemData(i, upcoming[i], Qt::ToolTipRole);
      comUpcoming->setCurrentIndex(-1);
      ShowCurrentTip(comUpcoming);
    }
  }

  for (int rank = 0; rank < ringvale::RosterSize; ++rank) {
    QListWidgetItem* line = lstRanks->item(rank);
    line->setText(Text(shown.lstRanks[rank]));
    // The champion's line is empty: he has his own label above the list.
    const std::string& name = rank == 0 ? shown.lblChamp : shown.lstRanks[rank];
    line->setData(Qt::AccessibleTextRole, Text(ringvale::PlacedName(rank, name)));
    line->setToolTip(line->data(Qt::AccessibleTextRole).toString());
    cmbBoxers->setItemText(rank, Text(shown.cmbBoxers[rank]));
    // The boxers the player may challenge stand out in the list.
    const QString tip = Text(ringvale::OpponentTip(game_, rank));
    cmbBoxers->setItemData(rank, tip, Qt::ToolTipRole);
    cmbBoxers->setItemData(rank, tip, Qt::AccessibleDescriptionRole);
    cmbBoxers->setItemData(
        rank, ringvale::MayChallenge(game_.career, rank) ? SansFont(8, true) : QVariant(),
        Qt::FontRole);
  }
  {
    const QSignalBlocker blocker(cmbBoxers);
    cmbBoxers->setCurrentIndex(shown.cmbBoxersIndex);
  }
  ShowCurrentTip(cmbBoxers, ChooseOpponent);
  cmbBoxers->setEnabled(shown.cmbBoxersEnabled);
  frameArrange->setEnabled(shown.frameArrangeEnabled);
  frameAgree->setEnabled(shown.frameAgreeEnabled);
  cmdSign->setVisible(shown.cmdSignVisible);
  cmdReject->setVisible(shown.cmdRejectVisible);

  // A power the bar cannot hold shows as a full bar; the boxer keeps his numbers.
  proPower->setValue(shown.proPower);
  proSpeed->setValue(shown.proSpeed);
  for (const auto& [bar, label, tip] :
       {std::tuple{proPower, lblPowerBar, ringvale::PowerBarTip(game_)},
        std::tuple{proSpeed, lblSpeedBar, ringvale::SpeedBarTip(game_)}}) {
    label->setText(QStringLiteral("%1 / %2").arg(bar->value()).arg(bar->maximum()));
    label->setAccessibleName(Spoken(bar->accessibleName(), label->text()));
    for (QWidget* control : {static_cast<QWidget*>(bar), static_cast<QWidget*>(label)})
      Explain(control, Text(tip));
  }

  {
    const QSignalBlocker blocker(tabMain);
    tabMain->setCurrentIndex(shown.tabMain);
  }
  optPower->setChecked(shown.focus == ringvale::Focus::Power);
  optSpeed->setChecked(shown.focus == ringvale::Focus::Speed);
  optRest->setChecked(shown.focus == ringvale::Focus::Rest);
  RedrawPictures();
  // The hall of fame beside it changes with an induction.
  if (high_) high_->Redraw();
  RedrawSideWindows();
}

void frmMain::Freeze() {
  snapshot_ = new QLabel(this);
  snapshot_->setPixmap(grab());
  snapshot_->setGeometry(rect());
  MarkDecorative(snapshot_);
  snapshot_->show();
}

void frmMain::Unfreeze() {
  Redraw();
  delete snapshot_;
}

void frmMain::RedrawSideWindows() {
  for (CareerWindow* window : {records_.data(), fightLog_.data(), chart_.data()}) {
    if (window != nullptr && window->isVisible()) window->Redraw();
  }
}

void frmMain::ShowSideWindow(QPointer<CareerWindow>& window,
                             CareerWindow* (*make)(ringvale::Game&)) {
  const bool opening = !window;
  if (opening) {
    window = make(game_);
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->Redraw();
  if (opening) {
    // Each just below the title bars of those already open, so every one can be reached.
    const std::array others{records_.data(), fightLog_.data(), chart_.data()};
    const auto open = std::count_if(others.begin(), others.end(), [&](CareerWindow* other) {
      return other != nullptr && other != window && other->isVisible();
    });
    WindowPlace::PutBeside(window, this, int(open) * (geometry().top() - frameGeometry().top()));
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void frmMain::RedrawPictures() {
  for (int k = 0; k < ringvale::PowerFrames; ++k) imgP[k]->setVisible(game_.main.imgPVisible[k]);
  for (int k = 0; k < ringvale::SpeedFrames; ++k) imgS[k]->setVisible(game_.main.imgSVisible[k]);
}

void frmMain::ChooseFocus(ringvale::Focus focus) {
  game_.main.focus = focus;
  switch (focus) {
    case ringvale::Focus::Power:
      ringvale::ClickPower(game_);
      break;
    case ringvale::Focus::Speed:
      ringvale::ClickSpeed(game_);
      break;
    case ringvale::Focus::Rest:
      ringvale::ClickRest(game_);
      break;
  }
  Redraw();
}

QString frmMain::AskForCareerFile(const QString& start) {
  QFileDialog dialog(this, QStringLiteral("Load Boxer"));
  dialog.setObjectName("cdlOpen");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QStringLiteral("Boxers (*.box)"));
  dialog.setFilter(dialog.filter() | QDir::Hidden);  // a boxer's name may start with "."
  const QFileInfo startInfo(start);
  if (startInfo.isFile()) {
    dialog.setDirectory(startInfo.absolutePath());
    dialog.selectFile(startInfo.fileName());
  } else {
    dialog.setDirectory(start);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

void frmMain::mnuLoad_Click() {
  const QString start =
      lastCareerFile_.isEmpty() ? QString::fromStdString(game_.folder.string()) : lastCareerFile_;
  const QString chosen = ChooseCareerFile(start);
  // Cancel changes nothing, also after an earlier load: the career in memory stays.
  if (chosen.isEmpty()) return;
  lastCareerFile_ = chosen;
  LoadCareerFile(chosen);
}

void frmMain::mnuCareers_Click() {
  frmCareers careers(game_, this);
  if (careers.exec() == QDialog::Accepted) LoadCareerFile(careers.Chosen());
}

void frmMain::LoadCareerFile(const QString& path) {
  ringvale::LoadBoxer(game_, std::filesystem::path(path.toStdString()));
  NoteRecentCareer();
  Redraw();
}

// A failed command leaves the career in memory as it was, and that one is already the newest.
void frmMain::NoteRecentCareer() {
  if (!game_.career.IsLoaded()) return;
  const QString path =
      QFileInfo(QString::fromStdString(game_.career.CareerPath)).absoluteFilePath();
  QSettings settings;
  QStringList recent = settings.value(RecentCareersKey).toStringList();
  recent.removeAll(path);
  recent.prepend(path);
  settings.setValue(RecentCareersKey, recent.mid(0, RecentCareersKept));
}

void frmMain::RebuildRecentMenu() {
  QSettings settings;
  QStringList recent = settings.value(RecentCareersKey).toStringList();
  if (recent.removeIf([](const QString& path) { return !QFileInfo(path).isFile(); }) > 0)
    settings.setValue(RecentCareersKey, recent);
  mnuRecent->clear();
  for (int i = 0; i < recent.size(); ++i) {
    const QString name = QFileInfo(recent[i]).completeBaseName().replace('&', QStringLiteral("&&"));
    QAction* action = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
    action->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
    action->setStatusTip(QDir::toNativeSeparators(recent[i]));
    connect(action, &QAction::triggered, this, [this, path = recent[i]] { LoadCareerFile(path); });
  }
  mnuRecent->setEnabled(!recent.isEmpty());
}

void frmMain::mnuHigh_Click() {
  if (!high_) {
    high_ = new frmHigh(game_);
    high_->setAttribute(Qt::WA_DeleteOnClose);
  }
  high_->Reload();
  high_->show();
  high_->raise();
  high_->activateWindow();
}

void frmMain::mnuHowToPlay_Click() {
  if (!howToPlay_) {
    howToPlay_ = new frmHowToPlay;
    howToPlay_->setAttribute(Qt::WA_DeleteOnClose);
  }
  howToPlay_->show();
  howToPlay_->raise();
  howToPlay_->activateWindow();
}

void frmMain::mnuAbout_Click() {
  frmAbout about(this);
  about.exec();
}

void frmMain::mnuExit_Click() {
  // No question and no save: every window closes, and with the last one the program ends.
  QApplication::closeAllWindows();
}

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One Next Week late in a career as the player waits for it: a career loaded at week 500 with its
// whole fight log, Records, Fight Log and Career Chart open beside the main window, the click on
// Next Week and every repaint it causes. Once in a week without a box, once in a week that shows
// a "Latest Boxing Results" box. Run it through bench/week.sh, which runs it without and with an
// accessibility client listening.

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "AutoPlayer.h"
#include "FightLog.h"
#include "GameApplication.h"
#include "QtScreen.h"
#include "TestGame.h"
#include "frmMain.h"
#include "modFile.h"

namespace ringvale::test {
namespace {

constexpr std::uint64_t WeekSeed = 7;  // the game's draws in the measured week

// Lets everything that is due happen: layouts, the charts' scene updates and every repaint.
void Settle() {
  for (int pass = 0; pass < 5; ++pass) QApplication::processEvents();
}

// What the player waits for: the click and every repaint it causes. Kept out of line, so a
// profiler can be told to count only this (valgrind --toggle-collect=*PlayWeek*).
[[gnu::noinline]] void PlayWeek(QPushButton* nextWeek) {
  nextWeek->click();
  Settle();
}

// Waits until the window system shows every window and `active` has the keyboard, as after the
// player's click on it; false if that takes more than five seconds.
bool AllShown(const std::vector<QWidget*>& windows, QWidget* active) {
  active->raise();
  active->activateWindow();
  QElapsedTimer waited;
  waited.start();
  const auto ready = [&] {
    return QApplication::activeWindow() == active &&
           std::all_of(windows.begin(), windows.end(),
                       [](QWidget* window) { return window->windowHandle()->isExposed(); });
  };
  while (!ready() && waited.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  Settle();
  return ready();
}

// Counts what the game tells assistive technology while one is listening, and passes it on.
struct AccessibilityEvents {
  AccessibilityEvents() {
    if (QAccessible::isActive()) QAccessible::installUpdateHandler(&Count);
  }
  ~AccessibilityEvents() {
    if (QAccessible::isActive()) QAccessible::installUpdateHandler(nullptr);
  }
  static void Count(QAccessibleEvent* event) {
    ++counted;
    // With no handler installed the event goes to the platform, as it would have.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&Count);
  }
  static inline int counted = 0;
};

// Answers each box as soon as it has been painted, as a quick player would.
class BoxAnswerer final : public QObject {
 public:
  int answered = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Paint && !box->property("answered").toBool()) {
      box->setProperty("answered", true);
      ++answered;
      QTimer::singleShot(0, box, [box] {
        box->setProperty("answered", false);  // the game shows the same box again
        box->done(QMessageBox::Ok);
      });
    }
    return false;
  }
};

// Career files at week 500 or just after, saved from a career played headless: one whose next
// week (with WeekSeed's draws) shows nothing, and one whose next week shows one results box.
struct Careers {
  Careers() {
    TempFolder playedIn;
    SeededRandom random(1);
    RecordingScreen screen;
    Game game(screen, random, playedIn.Path());
    screen.inputs = {"Bench"};
    NewBoxer(game);
    AutoPlayer player(game, screen, 3);
    for (int week = 1; quiet.empty() || results.empty(); ++week) {
      player.AnswerChallenge();
      player.PlayWeek();
      if (week < 500) continue;
      if (week > 515) throw std::logic_error("no week of the career fits the benchmark");
      SaveCareer(game);
      const int boxes = BoxesNextWeek(game.career.CareerPath);
      if (boxes == 0 && quiet.empty()) quiet = KeepAs(game.career.CareerPath, "Quiet");
      if (boxes == 1 && results.empty()) results = KeepAs(game.career.CareerPath, "Results");
    }
  }

  // Boxes the next week shows after loading `file`; -1 for a week with the player's own bout.
  int BoxesNextWeek(const std::filesystem::path& file) {
    TestGame probe;
    SeededRandom random(WeekSeed);
    Game game(probe.screen, random, probe.folder.Path());
    probe.screen.game = &game;
    LoadBoxer(game, file);
    NextWeek(game);
    if (probe.screen.fightsShown > 0) return -1;
    for (const Shown& shown : probe.screen.messages)
      if (shown.title != "Latest Boxing Results") return -1;
    return int(probe.screen.messages.size());
  }

  std::filesystem::path KeepAs(const std::filesystem::path& file, const std::string& name) {
    const std::filesystem::path kept = folder.Path() / (name + ".box");
    std::filesystem::copy_file(file, kept);
    std::filesystem::copy_file(FightLogPath(file), FightLogPath(kept));
    return kept;
  }

  TempFolder folder;
  std::filesystem::path quiet, results;
};

const Careers& SavedCareers() {
  static const Careers careers;
  return careers;
}

// The game with its main window and the three career windows open, set side by side, none
// covering another, so that each draws all it has to. Shown once for every run.
struct Desk {
  Desk() {
    screen.SetGame(game);
    qApp->installEventFilter(&answerer);
    LoadBoxer(game, SavedCareers().quiet);
    main.Redraw();
    const struct {
      const char *menu, *window;
      QPoint place;
    } sideWindows[] = {{"mnuRecords", "frmRecords", {420, 0}},
                       {"mnuFightLog", "frmFightLog", {0, 500}},
                       {"mnuChart", "frmChart", {640, 500}}};
    for (const auto& side : sideWindows) {
      main.findChild<QAction*>(side.menu)->trigger();
      for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == side.window) windows.push_back(window);
    }
    main.show();  // last, so that the window manager gives it the keyboard
    // Placed once the window manager has taken them in.
    shown = AllShown(windows, &main);
    for (std::size_t i = 1; i < windows.size(); ++i) windows[i]->move(sideWindows[i - 1].place);
    shown = shown && AllShown(windows, &main);
  }
  ~Desk() { qApp->removeEventFilter(&answerer); }

  TempFolder folder;
  QtScreen screen;
  SeededRandom random{WeekSeed};
  Game game{screen, random, folder.Path()};
  BoxAnswerer answerer;
  frmMain main{game};
  std::vector<QWidget*> windows{&main};
  bool shown = false;
};
std::optional<Desk> desk;  // main() closes it before the application ends

void NextWeekWithEveryWindowOpen(benchmark::State& state, bool withBox) {
  const std::filesystem::path file = withBox ? SavedCareers().results : SavedCareers().quiet;
  if (!desk) desk.emplace();
  if (!desk->shown) state.SkipWithError("the windows did not show");
  Game& game = desk->game;
  auto* nextWeek = desk->main.findChild<QPushButton*>("cmdNextWeek");
  const auto week = [&game] { return game.career.Year * WeeksPerYear + game.career.Week; };
  AccessibilityEvents counter;
  double events = 0;
  for (auto _ : state) {
    state.PauseTiming();
    LoadBoxer(game, file);
    desk->random = SeededRandom(WeekSeed);
    desk->main.Redraw();
    Settle();
    const int loaded = week();
    desk->answerer.answered = 0;
    AccessibilityEvents::counted = 0;
    state.ResumeTiming();

    PlayWeek(nextWeek);

    state.PauseTiming();
    events += AccessibilityEvents::counted;
    if (week() != loaded + 1 || desk->answerer.answered != (withBox ? 1 : 0))
      state.SkipWithError("the week did not go as on the headless run");
    state.ResumeTiming();
  }
  state.counters["accessibility events"] = events / double(state.iterations());
  state.SetLabel(QAccessible::isActive() ? "accessibility client listening"
                                         : "no accessibility client");
}

void WeekWithoutBox(benchmark::State& state) {
  NextWeekWithEveryWindowOpen(state, false);
}
void WeekWithResultsBox(benchmark::State& state) {
  NextWeekWithEveryWindowOpen(state, true);
}
// One week per repetition; the medians are the figures.
BENCHMARK(WeekWithoutBox)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly();
BENCHMARK(WeekWithResultsBox)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace ringvale::test

// --with-accessibility-client: a client is expected (bench/week.sh starts one); waits for Qt to
// find it, and fails when it does not.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  GameApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  bool clientExpected = false;
  for (int i = 1; i < argc; ++i)
    clientExpected |= std::strcmp(argv[i], "--with-accessibility-client") == 0;
  if (clientExpected) {
    // Qt asks the accessibility bus in the background once the first window shows.
    QWidget probe;
    probe.show();
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 5000)
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!QAccessible::isActive()) {
      std::fprintf(stderr, "no accessibility client found\n");
      return 1;
    }
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ringvale::test::desk.reset();
  return 0;
}

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Nothing lost whatever happens: a write cut short by a crash or a failing disk at any step, two
// copies of the game in one folder, and things at a file's path that are not files.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <iostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CareerFiles.h"
#include "FileSystem.h"
#include "WeekSetup.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

// A step that waits for good ends the program rather than hanging the suite.
struct Deadline {
  Deadline() { ::alarm(5); }
  ~Deadline() { ::alarm(0); }
};

// What a fresh game finds in the folder: Sam's career and log, the hall of fame, and what it said.
using Found = std::tuple<Career, std::vector<BoutRecord>, std::vector<WeekSample>, HallTable,
                         std::vector<Shown>>;

Found Find(const fs::path& folder) {
  TestGame p(folder);
  LoadBoxer(p.game, folder / "Sam.box");
  // A braced list is evaluated in order: the messages include the hall of fame's.
  return {p.game.career, p.game.log.Bouts, p.game.log.Weeks, ReadHallOfFame(p.game),
          p.screen.messages};
}

// A write the player makes: its name, how the game is set up for it, and the write.
using Write = std::tuple<const char*, void (*)(TestGame&), void (*)(Game&)>;

void LoadSamForAWeek(TestGame& p) {
  LoadBoxer(p.game, p.game.folder / "Sam.box");
  QuietWeek(p.game, p.random);
}

void AnswerSamAndYes(TestGame& p) {
  p.screen.inputs = {"Sam"};
  p.screen.answers = {true};
  p.random.Push({0.2});
}

const Write Writes[] = {
    {"Save", LoadSamForAWeek, SaveCareer},
    {"New over an existing career", AnswerSamAndYes, NewBoxer},
    {"Induction", [](TestGame&) {}, [](Game& game) { Retire(game, "Nell Cardew", 2, 450000); }}};

constexpr int Killed = 77;

// Makes the write with file step `step` failing with `error`, or, when `error` is 0, in a child
// process that ends there and sends down a pipe what it tells the player meanwhile. False when
// the write ended before that step; `told` gets what the player was told.
bool BreakAt(const Write& write, const fs::path& folder, int step, int error, std::string& told) {
  const auto& [name, prepare, make] = write;
  int pipe[2];
  EXPECT_TRUE(error != 0 || ::pipe(pipe) == 0);
  const pid_t child = error == 0 ? ::fork() : 0;
  told.clear();
  if (child == 0) {
    TestGame p(folder);
    prepare(p);
    p.screen.onMessage = [&](const Shown& shown) {
      told += shown.prompt + "\n";  // a child sends it at once
      if (error == 0 && ::write(pipe[1], told.data(), told.size()) >= 0) told.clear();
    };
    int count = 0;
    SetFileStepHook([&](FileStep, const fs::path&) {
      if (++count != step) return 0;
      if (error == 0) ::_exit(Killed);
      return error;
    });
    make(p.game);
    SetFileStepHook(nullptr);
    if (error == 0) ::_exit(0);
    return count >= step;
  }
  ::close(pipe[1]);
  char buffer[4096];
  for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) told.append(buffer, got);
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == Killed));
  return WIFEXITED(status) && WEXITSTATUS(status) == Killed;
}

// Sam's career of two quiet weeks with its log, and a hall of fame; a kill or a failure at any
// step of a write leaves files that load, without a word, as they were before it or after it,
// and the player is told the write failed exactly when they are as before.
TEST(FileSafety, AKillOrAFailureAtAnyStepOfAWriteLeavesTheWholeBeforeOrTheWholeAfter) {
  const TempFolder temp;
  const fs::path& folder = temp.Path();
  {  // a game that ends before the writes begin, taking its lock along
    TestGame p(folder);
    SetUpCareer(p.game);
    p.game.career.CareerPath = (folder / "Sam.box").string();
    for (int week = 0; week < 2; ++week) QuietWeek(p.game, p.random);
    SaveCareer(p.game);
    Retire(p.game, "Nobody", 0, 0);  // leaves the standard table in the file
  }
  const auto files = Snapshot(folder);
  const auto restore = [&] {
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
    for (const auto& [name, bytes] : files) WriteBytes(folder / name, bytes);
  };
  const Found before = Find(folder);
  ASSERT_TRUE(std::get<4>(before).empty() && std::get<2>(before).size() == 2);

  for (const Write& write : Writes) {
    const auto& [name, prepare, make] = write;
    restore();
    std::string told;
    BreakAt(write, folder, 0, EIO, told);  // there is no step 0
    const Found after = Find(folder);
    ASSERT_TRUE(after != before && std::get<4>(after).empty()) << name;
    // A new career's old log goes with the career it described.
    EXPECT_EQ(fs::exists(folder / "Sam.log"), make != NewBoxer);
    for (const auto& [error, how] :
         {std::pair{0, "killed"}, std::pair{EIO, "EIO"}, std::pair{ENOSPC, "ENOSPC"}}) {
      std::string outcomes;  // "b" for a step that left the files as before, "a" as after
      for (int step = 1;; ++step) {
        SCOPED_TRACE(name + (" " + std::to_string(step)) + " " + how);
        restore();
        if (!BreakAt(write, folder, step, error, told)) break;
        const Found found = Find(folder);
        EXPECT_TRUE(found == before || found == after);
        outcomes += found == before ? "b" : "a";
        const bool toldFailed =
            told.find("was not") != told.npos || told.find("could not") != told.npos;
        EXPECT_EQ(toldFailed, error != 0 && found == before) << told;
        // A success the player was told of and that was not taken back is in the files.
        EXPECT_TRUE(told.find("inducted") == told.npos || toldFailed || found == after) << told;
        for (const auto& entry : fs::directory_iterator(folder))
          EXPECT_FALSE(entry.path().filename().string().starts_with("Sam.") &&
                       entry.path().extension() == ".tmp");
      }
      std::cout << name << ", " << how << " at each step: " << outcomes << "\n";
    }
  }
}

// Pipes, devices and folders where the log or the hall of fame belong are refused at once; the
// career is saved all the same, and what stands there stays. No reader reads past its limit.
TEST(FileSafety, ThingsThatAreNotFilesAreRefusedAtOnceAndNeverStopASave) {
  const std::vector<std::pair<std::string, std::function<void(const fs::path&)>>> things = {
      {"a pipe", [](const fs::path& path) { ::mkfifo(path.c_str(), 0600); }},
      {"a device", [](const fs::path& path) { fs::create_symlink("/dev/zero", path); }},
      {"a folder", [](const fs::path& path) { fs::create_directory(path); }}};
  for (const auto& [kind, make] : things) {
    Deadline deadline;
    LoadedGame t;
    const fs::path log = t.game.folder / "Rocky.log", hall = HallPath(t.game),
                   other = t.game.folder / "Other.box";
    for (const fs::path& path : {log, hall, other}) make(path);
    LoadBoxer(t.game, other);
    LoadBoxer(t.game, t.careerFile);
    LoadHallOfFame(t.game);
    t.game.career.Money = 5;
    SaveCareer(t.game);
    const auto cannot = [&](const fs::path& path) {
      return "Cannot read \"" + path.string() + "\": it is " + kind + ", not a file.";
    };
    EXPECT_EQ(t.screen.messages,
              (std::vector<Shown>{
                  {cannot(other), "Cannot load boxer"},
                  {cannot(log) + "\nThe fight log cannot be kept there.\nThe career goes on with "
                                 "an empty fight log.",
                   "Ringvale"},
                  {cannot(hall) + "\nThe standard hall of fame is used instead.", "Ringvale"},
                  {"The career was saved, but not its fight log: \"" + log.string() + "\" is " +
                       kind + ", not a file.",
                   "Ringvale"}}));
    EXPECT_NE(ReadBytes(t.careerFile).find(",208,5,2\r\n"), std::string::npos);  // saved
    EXPECT_TRUE(fs::exists(log) && !fs::is_regular_file(log)) << kind;
  }
  Deadline deadline;
  TestGame t;
  WriteBytes(HallPath(t.game), "");
  fs::resize_file(HallPath(t.game), 1ull << 40);  // a terabyte, never read through
  EXPECT_THROW(ReadTextFile(HallPath(t.game)), std::runtime_error);
}

// Two copies of the game in one folder. Retiring their boxers at the same moment, each reads the
// table while the other may be about to write it, and both end up in it. A career open in one
// is refused by the other, changing nothing, until the first one ends, however it ends.
TEST(FileSafety, TwoCopiesNeitherLoseAnInductionNorShareACareer) {
  Deadline deadline;
  LoadedGame t;
  Retire(t.game, "Nobody", 0, 0);
  for (const auto& [name, fortune] : {std::pair{"Ada", 3e6}, std::pair{"Bo", 4e6}}) {
    if (::fork() != 0) continue;
    // Widens the moment between reading the table and writing it.
    SetFileStepHook([paused = false](FileStep step, const fs::path&) mutable {
      if (step == FileStep::Read && !std::exchange(paused, true)) ::usleep(100000);
      return 0;
    });
    TestGame p(t.game.folder);
    Retire(p.game, name, 2, fortune);
    ::_exit(0);
  }
  for (int child = 0; child < 2; ++child) ::wait(nullptr);
  const HallTable table = ReadHallOfFame(t.game);
  EXPECT_EQ(table[0].Name + ", " + table[1].Name + ", " + table[2].Name, "Bo, Ada, Thaddeus Grell");
  const fs::path sam = t.game.folder / "Sam.box";
  WriteBytes(sam, Fixture("new-sam-lineup0.box"));
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    TestGame p(t.game.folder);
    LoadBoxer(p.game, sam);
    if (::write(ready[1], "!", 1) == 1) ::pause();
    ::_exit(0);
  }
  char loaded;
  ASSERT_EQ(::read(ready[0], &loaded, 1), 1);
  t.Keep();
  LoadBoxer(t.game, sam);
  t.screen.inputs = {"Sam"};
  NewBoxer(t.game);
  t.screen.answers = {true};
  EXPECT_FALSE(DeleteCareer(t.game, ReadCareerSummary(sam)));
  const Shown refused{"Sam's career is open in another Ringvale window.", "Ringvale"};
  t.ExpectShown({refused, refused, refused});
  EXPECT_EQ(t.screen.questions.size(), 1u);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  LoadBoxer(t.game, sam);
  EXPECT_EQ(t.game.main.frmBoxer, "Sam");
}

}  // namespace
}  // namespace ringvale::test

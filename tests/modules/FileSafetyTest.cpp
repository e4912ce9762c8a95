// Nothing lost whatever happens: a write cut short by a crash or a failing disk at any step, two
// copies of the game in one folder, and things at a file's path that are not files.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
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
  Deadline() { ::alarm(2); }
  ~Deadline() { ::alarm(0); }
};

// Ten boxers worth 1000 down to 100 thousand.
std::string TenBoxers() {
  std::string table;
  for (int i = 0; i < HallOfFameSize; ++i)
    table += "\"Boxer " + std::to_string(i) + "\",1," + std::to_string((10 - i) * 100000) + "\r\n";
  return table;
}

void Retiring(Game& game, const std::string& name, double fortune) {
  game.career.Player().Name = name;
  game.career.TitleDefences = 2;
  game.career.Money = fortune;
}

// What a fresh game finds in the folder: Sam's career and log, the hall of fame, and what it said.
using Found = std::tuple<Career, std::vector<BoutRecord>, std::vector<WeekSample>, HallTable,
                         std::vector<Shown>>;

Found Find(const fs::path& folder) {
  TestGame p(folder);
  LoadBoxer(p.game, folder / "Sam.box");
  const HallTable hall = ReadHallOfFame(p.game);
  return {p.game.career, p.game.log.Bouts, p.game.log.Weeks, hall, p.screen.messages};
}

// A write the player makes, from a game set up for it.
struct Write {
  const char* name;
  void (*prepare)(TestGame&);
  void (*make)(Game&);
};

const Write Writes[] = {
    {"Save",
     [](TestGame& p) {
       LoadBoxer(p.game, p.game.folder / "Sam.box");
       QuietWeek(p.game, p.random);
     },
     SaveCareer},
    {"New over an existing career",
     [](TestGame& p) {
       p.screen.inputs = {"Sam"};
       p.screen.answers = {true};
       p.random.Push({0.2});
     },
     NewBoxer},
    {"Induction", [](TestGame& p) { Retiring(p.game, "Nell Cardew", 450000); }, ForcedRetirement}};

constexpr int Killed = 77;

// Makes the write with file step `step` failing with `error`, or, when `error` is 0, in a child
// process that ends there and sends down a pipe what it tells the player meanwhile. False when
// the write ended before that step; `told` gets what the player was told.
bool BreakAt(const Write& write, const fs::path& folder, int step, int error, std::string& told) {
  int pipe[2];
  if (error == 0 && ::pipe(pipe) != 0) throw std::runtime_error("no pipe");
  const pid_t child = error == 0 ? ::fork() : 0;
  told.clear();
  if (child == 0) {
    TestGame p(folder);
    write.prepare(p);
    p.screen.onMessage = [&](const Shown& shown) {
      const std::string line = shown.prompt + "\n";
      if (error != 0) told += line;
      if (error == 0 && ::write(pipe[1], line.data(), line.size()) < 0) ::_exit(1);
    };
    int count = 0;
    SetFileStepHook([&](FileStep, const fs::path&) {
      if (++count != step) return 0;
      if (error == 0) ::_exit(Killed);
      return error;
    });
    write.make(p.game);
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
  TempFolder folder;
  {
    TestGame p(folder.Path());
    SetUpCareer(p.game);
    p.game.career.CareerPath = (folder.Path() / "Sam.box").string();
    QuietWeek(p.game, p.random);
    QuietWeek(p.game, p.random);
    SaveCareer(p.game);
  }
  WriteBytes(folder.Path() / HallFileName, TenBoxers());
  const auto files = Snapshot(folder.Path());
  const auto restore = [&] {
    for (const auto& entry : fs::directory_iterator(folder.Path())) fs::remove_all(entry.path());
    for (const auto& [name, bytes] : files) WriteBytes(folder.Path() / name, bytes);
  };
  const Found before = Find(folder.Path());
  ASSERT_TRUE(std::get<4>(before).empty() && std::get<2>(before).size() == 2);

  for (const Write& write : Writes) {
    restore();
    std::string told;
    BreakAt(write, folder.Path(), 0, EIO, told);  // there is no step 0
    const Found after = Find(folder.Path());
    ASSERT_TRUE(after != before && std::get<4>(after).empty()) << write.name;
    for (const int error : {0, EIO, ENOSPC}) {
      int befores = 0, afters = 0;
      for (int step = 1;; ++step) {
        SCOPED_TRACE(std::string(write.name) + ", step " + std::to_string(step) + ", error " +
                     std::to_string(error));
        restore();
        if (!BreakAt(write, folder.Path(), step, error, told)) break;
        const Found found = Find(folder.Path());
        EXPECT_TRUE(found == before || found == after);
        ++(found == before ? befores : afters);
        const bool toldFailed =
            told.find("was not") != told.npos || told.find("could not") != told.npos;
        EXPECT_EQ(toldFailed, error != 0 && found == before) << told;
        // A success the player was told of and that was not taken back is in the files.
        EXPECT_TRUE(told.find("inducted") == told.npos || toldFailed || found == after) << told;
        for (const auto& entry : fs::directory_iterator(folder.Path())) {
          const std::string name = entry.path().filename().string();
          EXPECT_FALSE(name.starts_with("Sam.") && name.ends_with(".tmp")) << name;
        }
      }
      std::cout << write.name << ", " << (error == 0 ? "killed" : std::strerror(error))
                << " at each of " << befores + afters << " steps: " << befores
                << " loaded as before, " << afters << " as after\n";
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
    SCOPED_TRACE(kind);
    Deadline deadline;
    LoadedGame t;
    const fs::path log = t.game.folder / "Rocky.log", hall = HallPath(t.game),
                   other = t.game.folder / "Other.box";
    make(log);
    make(hall);
    make(other);
    LoadBoxer(t.game, other);
    LoadBoxer(t.game, t.careerFile);
    LoadHallOfFame(t.game);
    t.game.career.Money = 5;
    SaveCareer(t.game);
    const std::string notAFile = kind + ", not a file";
    EXPECT_EQ(t.screen.messages,
              (std::vector<Shown>{
                  {"Cannot read \"" + other.string() + "\": it is " + notAFile + ".",
                   "Cannot load boxer"},
                  {"Cannot read \"" + log.string() + "\": it is " + notAFile +
                       ".\nThe fight log cannot be kept there.\nThe career goes on with an empty "
                       "fight log.",
                   "Ringvale"},
                  {"Cannot read \"" + hall.string() + "\": it is " + notAFile +
                       ".\nThe standard hall of fame is used instead.",
                   "Ringvale"},
                  {"The career was saved, but not its fight log: \"" + log.string() + "\" is " +
                       notAFile + ".",
                   "Ringvale"}}));
    EXPECT_TRUE(ReadBytes(t.careerFile)
                    .starts_with("\"Pugrin 2001 - By Varnholt, Version 1.0\",208,5,2\r\n"));
    EXPECT_TRUE(fs::exists(log) && !fs::is_regular_file(log));
  }
  Deadline deadline;
  TestGame t;
  WriteBytes(HallPath(t.game), TenBoxers());
  fs::resize_file(HallPath(t.game), 1ull << 40);  // a terabyte, never read through
  LoadHallOfFame(t.game);
  ASSERT_EQ(t.screen.messages.size(), 1u);
  EXPECT_TRUE(t.screen.messages[0].prompt.starts_with("Cannot read \"" + HallPath(t.game).string() +
                                                      "\": it is far too large for a game file."));
}

// Two copies retire their boxers at the same moment: each reads the table while the other may
// be about to write it, and both end up in it.
TEST(FileSafety, TwoCopiesInductingAtOnceBothLandInTheHallOfFame) {
  Deadline deadline;
  TestGame t;
  WriteBytes(HallPath(t.game), TenBoxers());
  for (const auto& [name, fortune] : {std::pair{"Ada", 3e6}, std::pair{"Bo", 4e6}}) {
    if (::fork() != 0) continue;
    TestGame p(t.game.folder);
    Retiring(p.game, name, fortune);
    // Widens the moment between reading the table and writing it.
    SetFileStepHook([paused = false](FileStep step, const fs::path&) mutable {
      if (step == FileStep::Read && !std::exchange(paused, true)) ::usleep(100000);
      return 0;
    });
    ForcedRetirement(p.game);
    ::_exit(0);
  }
  while (::wait(nullptr) > 0) {
  }
  const HallTable table = ReadHallOfFame(t.game);
  EXPECT_EQ(table[0].Name + ", " + table[1].Name + ", " + table[2].Name, "Bo, Ada, Boxer 0");
}

// A career open in one copy of the game is refused by another, changing nothing, until the
// first one ends, however it ends.
TEST(FileSafety, ACareerOpenInOneCopyIsRefusedByAnotherUntilThatOneEnds) {
  Deadline deadline;
  LoadedGame t;
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
  const Shown refused{"Sam's career is open in another Ringvale window.", "Ringvale"};
  t.ExpectShown({refused, refused});
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  LoadBoxer(t.game, sam);
  EXPECT_EQ(t.game.main.frmBoxer, "Sam");
  EXPECT_EQ(t.screen.messages.size(), 2u);
}

}  // namespace
}  // namespace ringvale::test

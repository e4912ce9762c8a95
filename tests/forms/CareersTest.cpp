// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// File > Careers and File > Recent Careers: the careers of the game folder, read without loading
// them, to continue or delete; and the last five careers played, kept from one run to the next.

#include <gtest/gtest.h>

#include <QDialog>
#include <QMenu>
#include <QTableView>
#include <chrono>

#include "CareerFiles.h"
#include "Widgets.h"
#include "frmMain.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

// Every cell of the list but when it was saved, row by row as shown.
std::vector<std::string> Listed(QWidget& careers) {
  std::vector<std::string> rows;
  for (QStringList cells : Rows(*Child<QTableView>(careers, "tblCareers")->model())) {
    cells.removeAt(7);  // when it was saved, which the test cannot know
    rows.push_back(cells.join(" | ").toStdString());
  }
  return rows;
}

// The folder holds Rocky's career saved last, Sam's with his fight log, a hidden one that cannot
// be read, the hall of fame, and a save's leftover that is no career.
TEST(Careers, ListsEveryCareerFileAndContinuesOrDeletesOneFromTheKeyboard) {
  TestGame t;
  const auto path = [&](const char* name) { return t.folder.Path() / name; };
  const std::pair<const char*, std::string> files[] = {
      {"Rocky.box", Fixture("rocky-year3.box")},
      {"Sam.box", Fixture("new-sam-lineup0.box")},
      {"Sam.log", "Sam's bouts"},
      {".Bad.box", Replaced(Fixture("rocky-year3.box"), ",208,", ",0,")},
      {"Velder.hig", "the hall of fame"},
      {"Sam.box.tmp", "half a save"}};
  auto saved = fs::file_time_type::clock::now();
  for (const auto& [name, bytes] : files) {
    WriteBytes(path(name), bytes);
    fs::last_write_time(path(name), saved -= std::chrono::hours(1));
  }
  frmMain main(t.game);
  OnNextModal([&](QWidget* careers) {
    Render(*careers, "frmCareers.png");
    EXPECT_EQ(AccessProblems(*careers), std::vector<std::string>{});
    // The career played last first.
    const std::string rocky = "Rocky, Jr | Year 3, Week 52 | 3 | 12 | 3 | 1 | $1234.5 | ";
    EXPECT_EQ(Listed(*careers),
              (std::vector<std::string>{
                  rocky, "Sam | Year 0, Week 1 | 10 | 0 | 0 | 0 | $20000 | ",
                  ".Bad |  |  |  |  |  |  | Line 1: the week count 0 is not 1 to 572"}));
    auto* table = Child<QTableView>(*careers, "tblCareers");
    QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
    EXPECT_FALSE(Child(*careers, "cmdContinue")->isEnabled());
    const auto before = Snapshot(t.folder.Path());
    t.screen.answers = {false, true};
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_EQ(Snapshot(t.folder.Path()), before);
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_FALSE(fs::exists(path(".Bad.box")));
    const Shown question{"Delete .Bad's career? This cannot be undone.", "Ringvale"};
    EXPECT_EQ(t.screen.questions, (std::vector<Shown>{question, question}));
    t.screen.answers = {true};  // Sam, next in the list
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_EQ(Listed(*careers), std::vector<std::string>{rocky});
    QTest::keyClick(table, Qt::Key_Return);
    if (careers->isVisible()) qobject_cast<QDialog*>(careers)->reject();  // fails, not hangs
  });
  Child<QAction>(main, "mnuCareers")->trigger();
  EXPECT_EQ(t.game.career.CareerPath, path("Rocky.box").string());
  const std::map<std::string, std::string> left{{"Rocky.box", Fixture("rocky-year3.box")},
                                                {"Rocky.box.lock", ""},
                                                {"Sam.box.tmp", "half a save"},
                                                {"Velder.hig", "the hall of fame"}};
  EXPECT_EQ(Snapshot(t.folder.Path()), left);
  // The career being played is not deleted under it.
  EXPECT_FALSE(DeleteCareer(t.game, ReadCareerSummary(path("Rocky.box"))));
  EXPECT_EQ(std::pair(t.screen.messages.size(), t.screen.questions.size()), std::pair(1ul, 3ul));
  EXPECT_EQ(Snapshot(t.folder.Path()), left);
}

TEST(Careers, TheLastFiveCareersPlayedSurviveARestartAndAVanishedOneIsDropped) {
  TestGame t;
  {
    frmMain first(t.game);
    for (int i = 1; i <= 6; ++i) {
      const fs::path path = t.folder.Path() / ("Sam" + std::to_string(i) + ".box");
      WriteBytes(path, Fixture("new-sam-lineup0.box"));
      first.ChooseCareerFile = [&](const QString&) {
        return QString::fromStdString(path.string());
      };
      Child<QAction>(first, "mnuLoad")->trigger();
    }
  }
  frmMain main(t.game);  // the next run
  const auto recent = [&] {
    emit Child<QMenu>(main, "mnuFile")->aboutToShow();
    QStringList shown;
    for (QAction* action : Child<QMenu>(main, "mnuRecent")->actions()) shown << action->text();
    return shown;
  };
  ASSERT_EQ(recent(), QStringList({"&1 Sam6", "&2 Sam5", "&3 Sam4", "&4 Sam3", "&5 Sam2"}));
  fs::remove(t.folder.Path() / "Sam5.box");
  ASSERT_EQ(recent(), QStringList({"&1 Sam6", "&2 Sam4", "&3 Sam3", "&4 Sam2"}));
  Child<QAction>(main, "mnuRecent3")->trigger();
  EXPECT_EQ(t.game.career.CareerPath, (t.folder.Path() / "Sam3.box").string());
}

}  // namespace
}  // namespace ringvale::test

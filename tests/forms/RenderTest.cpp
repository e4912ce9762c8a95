#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <filesystem>

#include "NextModal.h"
#include "TestGame.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "modBoxer.h"
#include "modFile.h"
#include "modSetFights.h"

namespace ringvale::test {
namespace {

namespace fs = std::filesystem;

// Controls on `window` whose text does not fit them.
std::vector<std::string> ClippedTexts(QWidget& window) {
  std::vector<std::string> clipped;
  auto check = [&](QWidget* widget, int needed, int room) {
    if (widget->isVisibleTo(&window) && needed > room) {
      clipped.push_back(widget->objectName().toStdString() + " needs " + std::to_string(needed) +
                        " px, has " + std::to_string(room));
    }
  };
  for (auto* label : window.findChildren<QLabel*>()) {
    if (label->objectName().isEmpty() || label->text().isEmpty()) continue;
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
      const QRect needed = label->fontMetrics().boundingRect(
          room, Qt::TextWordWrap | int(label->alignment()), label->text());
      check(label, needed.height(), room.height());
    } else {
      check(label, label->fontMetrics().horizontalAdvance(label->text()), room.width());
      check(label, label->fontMetrics().height(), room.height() + 2);
    }
  }
  for (auto* button : window.findChildren<QAbstractButton*>()) {
    if (button->objectName().isEmpty()) continue;
    const int text = button->fontMetrics().horizontalAdvance(button->text());
    if (qobject_cast<QRadioButton*>(button) != nullptr) {
      check(button, button->sizeHint().width(), button->width());
    } else {
      check(button, text + 8, button->width());
    }
  }
  for (auto* frame : window.findChildren<QGroupBox*>()) {
    check(frame, frame->fontMetrics().horizontalAdvance(frame->title()) + 12, frame->width());
  }
  for (auto* combo : window.findChildren<QComboBox*>()) {
    const int arrow = 22;
    check(combo, combo->fontMetrics().horizontalAdvance(combo->currentText()) + arrow,
          combo->width());
  }
  return clipped;
}

// A picture that came out as one flat colour drew nothing.
bool IsBlank(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) return false;
    }
  }
  return true;
}

// Grabs the window and writes it when RINGVALE_RENDER_DIR names a folder. Either way the image
// must exist and its pictures must have drawn something, and no text may be cut off.
void Render(QWidget& window, const QString& file, const std::vector<const char*>& pictures) {
  window.show();
  QApplication::processEvents();
  const QImage image = window.grab().toImage();
  EXPECT_FALSE(image.isNull()) << file.toStdString();
  EXPECT_EQ(ClippedTexts(window), std::vector<std::string>{}) << file.toStdString();
  for (const char* name : pictures) {
    auto* picture = window.findChild<QWidget*>(name);
    ASSERT_NE(picture, nullptr) << name;
    EXPECT_FALSE(IsBlank(picture->grab().toImage())) << file.toStdString() << ": " << name;
  }
  const QString folder = qEnvironmentVariable("RINGVALE_RENDER_DIR");
  if (!folder.isEmpty()) {
    QDir().mkpath(folder);
    EXPECT_TRUE(image.save(QDir(folder).filePath(file))) << file.toStdString();
  }
}

class RenderTest : public ::testing::Test {
 protected:
  void LoadRocky() {
    const fs::path path = t.game.folder / "Rocky.box";
    WriteBytes(path, ReadBytes(fs::path(RINGVALE_FIXTURES) / "rocky-year3.box"));
    main.ChooseCareerFile = [path](const QString&) {
      return QString::fromStdString(path.string());
    };
    main.findChild<QAction*>("mnuLoad")->trigger();
    // The pictures hold still for the camera.
    main.findChild<QTimer*>("timPunch")->stop();
  }
  void ShowTab(int index) {
    t.game.main.tabMain = index;
    main.Redraw();
  }

  TestGame t;
  frmMain main{t.game};
};

TEST_F(RenderTest, Splash) {
  frmSplash splash(t.game);
  Render(splash, "frmSplash.png", {"imgLogo"});
}

TEST_F(RenderTest, MainWindowTabsWithACareer) {
  LoadRocky();
  ASSERT_TRUE(t.screen.messages.empty());
  ShowTab(0);
  Render(main, "frmMain-view-stats.png", {});

  ShowTab(1);
  ClickPower(t.game);
  TickPunch(t.game);
  TickPunch(t.game);
  main.Redraw();
  Render(main, "frmMain-training-power.png", {"imgP3"});
  ClickSpeed(t.game);
  for (int tick = 0; tick < 3; ++tick) TickPunch(t.game);
  main.Redraw();
  Render(main, "frmMain-training-speed.png", {"imgS4"});

  ShowTab(2);
  Render(main, "frmMain-arrange-bout.png", {});
  ShowTab(3);
  Render(main, "frmMain-rankings.png", {});
}

TEST_F(RenderTest, ArrangeBoutWithAChallengePending) {
  t.screen.inputs.push_back("Sam");
  t.random.Push({0.0});
  main.findChild<QAction*>("mnuNew")->trigger();
  main.findChild<QTimer*>("timPunch")->stop();
  t.game.booking.MatchA = 6;         // Dewey Marchbank, ranked 3 ...
  t.game.career.Roster[6].Rank = 8;  // ... moved next to Sam for the picture
  t.game.career.Roster[1].Rank = 3;
  RefreshStatus(t.game);
  IssueChallenge(t.game);
  main.Redraw();
  Render(main, "frmMain-challenge.png", {});
}

TEST_F(RenderTest, About) {
  frmAbout about;
  Render(about, "frmAbout.png", {"Image1"});
}

}  // namespace
}  // namespace ringvale::test

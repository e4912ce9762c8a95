#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "TestGame.h"
#include "frmHigh.h"

namespace ringvale::test {
namespace {

const std::string Table =
    "\"Smith\",3,1250000\r\n"
    "\"Marguerite-Anne Featherstonehaugh the Unbowed\",12,987654.25\r\n"
    "\"Birch\",3,800000\r\n"
    "\"Cedar\",3,700000\r\n"
    "\"Damson\",2,600000\r\n"
    "\"Elder\",2,500000\r\n"
    "\"Fir\",2,400000\r\n"
    "\"Gum\",1,300000\r\n"
    "\"Hazel\",1,200000\r\n"
    "\"Juniper\",1,0\r\n";

// Writes the window as a picture when RINGVALE_RENDER_DIR names a folder.
void Render(QWidget& window, const QString& file) {
  const QString folder = qEnvironmentVariable("RINGVALE_RENDER_DIR");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  ASSERT_TRUE(window.grab().save(QDir(folder).filePath(file)));
}

TEST(HighWindow, ShowsDashesUntilLoadedThenTheNumberedTable) {
  TestGame t;
  WriteBytes(t.folder.Path() / "Velder.hig", Table);
  frmHigh window(t.game);
  EXPECT_EQ(window.windowTitle(), "Ringvale - Hall of Fame");
  EXPECT_EQ(window.size(), QSize(436, 305));
  EXPECT_FALSE(window.isModal());

  auto* list = window.findChild<QListWidget*>("lstHigh");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(list->item(i)->text(), "-");

  window.Reload();
  EXPECT_EQ(list->item(0)->text(), "1 - Smith\t TD: 3\t $1250000");
  EXPECT_EQ(list->item(1)->text(),
            "2 - Marguerite-Anne Featherstonehaugh the Unbowed\t TD: 12\t $987654.25");
  EXPECT_EQ(list->item(9)->text(), "10 - Juniper\t TD: 1\t $0");
  for (int i = 0; i < 10; ++i)
    EXPECT_TRUE(list->item(i)->text().startsWith(QString::number(i + 1) + " - ")) << i;
  EXPECT_TRUE(t.screen.messages.empty());

  window.show();
  QApplication::processEvents();
  // Every row fits the box without scrolling.
  for (int i = 0; i < 10; ++i)
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << i;
  Render(window, "frmHigh.png");
}

TEST(HighWindow, HeadingAndButtonReadInFull) {
  TestGame t;
  frmHigh window(t.game);
  auto* heading = window.findChild<QLabel*>("Label1");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->text(), "The Greatest of the Great");
  EXPECT_TRUE(heading->font().bold());
  EXPECT_LE(QFontMetrics(heading->font()).horizontalAdvance(heading->text()), heading->width());
  EXPECT_EQ(heading->geometry(), QRect(16, 8, 401, 49));

  auto* close = window.findChild<QPushButton*>("cmdClose");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), "Close");
  EXPECT_LE(QFontMetrics(close->font()).horizontalAdvance(close->text()), close->width());
  EXPECT_EQ(window.findChild<QListWidget*>("lstHigh")->geometry(), QRect(16, 104, 409, 164));
}

TEST(HighWindow, MissingFileShowsTheStandardTable) {
  TestGame t;
  frmHigh window(t.game);
  window.Reload();
  auto* list = window.findChild<QListWidget*>("lstHigh");
  EXPECT_EQ(list->item(0)->text(), "1 - Thaddeus Grell\t TD: 7\t $2400000");
  EXPECT_TRUE(t.screen.messages.empty());
  window.show();
  QApplication::processEvents();
  Render(window, "frmHigh-standard.png");
}

TEST(HighWindow, ReloadReadsTheFileAfresh) {
  TestGame t;
  frmHigh window(t.game);
  window.Reload();
  WriteBytes(t.folder.Path() / "Velder.hig", Table);
  window.Reload();
  EXPECT_EQ(window.findChild<QListWidget*>("lstHigh")->item(0)->text(),
            "1 - Smith\t TD: 3\t $1250000");
}

TEST(HighWindow, CloseButtonAndEscapeCloseTheWindow) {
  TestGame t;
  frmHigh window(t.game);
  window.show();
  QApplication::processEvents();
  window.findChild<QPushButton*>("cmdClose")->click();
  EXPECT_FALSE(window.isVisible());

  window.show();
  QApplication::processEvents();
  // Escape pressed while the list has the focus: the list passes it on to the window.
  auto* list = window.findChild<QListWidget*>("lstHigh");
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(list, &escape);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace ringvale::test

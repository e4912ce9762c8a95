#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "TestGame.h"
#include "Widgets.h"
#include "frmHigh.h"
#include "modEvents.h"

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

// Each Reload reads the file afresh: the standard table while there is none, then the file's.
TEST(HighWindow, ShowsDashesUntilLoadedThenTheNumberedTableReadAfresh) {
  TestGame t;
  frmHigh window(t.game);
  EXPECT_EQ(window.windowTitle(), "Ringvale - Hall of Fame");
  EXPECT_FALSE(window.isModal());
  EXPECT_EQ(Child<QLabel>(window, "Label1")->text(), "The Greatest of the Great");
  auto* list = Child<QListWidget>(window, "lstHigh");
  ASSERT_EQ(list->count(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(list->item(i)->text(), "-");

  // Numbered 1 to 10, and every row fits the box without scrolling.
  auto expectNumberedRowsThatFit = [list] {
    for (int i = 0; i < 10; ++i) {
      EXPECT_TRUE(list->item(i)->text().startsWith(QString::number(i + 1) + " - ")) << i;
      EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << i;
    }
  };
  window.Reload();
  EXPECT_EQ(list->item(0)->text(), "1 - Thaddeus Grell\t TD: 7\t $2400000");
  Render(window, "frmHigh-standard.png");
  expectNumberedRowsThatFit();

  WriteBytes(t.folder.Path() / HallFileName, Table);
  window.Reload();
  EXPECT_EQ(list->item(0)->text(), "1 - Smith\t TD: 3\t $1250000");
  EXPECT_EQ(list->item(1)->text(),
            "2 - Marguerite-Anne Featherstonehaugh the Unbowed\t TD: 12\t $987654.25");
  EXPECT_EQ(list->item(9)->text(), "10 - Juniper\t TD: 1\t $0");
  Render(window, "frmHigh.png");
  expectNumberedRowsThatFit();
  EXPECT_TRUE(t.screen.messages.empty());
}

TEST(HighWindow, CloseButtonAndEscapeCloseTheWindow) {
  TestGame t;
  frmHigh window(t.game);
  window.show();
  Child<QPushButton>(window, "cmdClose")->click();
  EXPECT_FALSE(window.isVisible());

  window.show();
  // Escape pressed while the list has the focus: the list passes it on to the window.
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(Child(window, "lstHigh"), &escape);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace ringvale::test

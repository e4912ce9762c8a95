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

// Dashes until loaded; each Reload reads the file afresh into numbered rows of three columns
// that fit the box; Close and Escape (from the list) close it.
TEST(HighWindow, ShowsTheTableReadAfreshInColumnsAndClosesOnCloseOrEscape) {
  TestGame t;
  frmHigh window(t.game);
  auto* list = Child<QListWidget>(window, "lstHigh");
  ASSERT_EQ(list->count(), HallOfFameSize);
  EXPECT_EQ(list->item(9)->text(), "-");
  std::string table = "\"Marguerite-Anne Featherstonehaugh the Unbowed\",12,987654.25\r\n";
  for (int row = 1; row < HallOfFameSize; ++row) table += "\"Gum\",1,300\r\n";
  WriteBytes(t.folder.Path() / HallFileName, table);
  window.Reload();
  EXPECT_EQ(list->item(0)->text(),
            "1 - Marguerite-Anne Featherstonehaugh the Unbowed\t TD: 12\t $987654.25");
  EXPECT_EQ(
      list->item(0)->data(Qt::UserRole).toStringList(),
      QStringList({"1 - Marguerite-Anne Featherstonehaugh the Unbowed", " TD: 12", " $987654.25"}));
  EXPECT_EQ(list->item(9)->toolTip(), "<qt>10 - Gum  TD: 1  $300</qt>");
  Render(window, "frmHigh.png");
  for (int i = 0; i < HallOfFameSize; ++i)
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << i;
  Child<QPushButton>(window, "cmdClose")->click();
  EXPECT_FALSE(window.isVisible());
  window.show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(list, &escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(t.screen.messages.empty());
}

}  // namespace
}  // namespace ringvale::test

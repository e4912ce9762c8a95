#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "Widgets.h"
#include "frmAbout.h"

namespace ringvale::test {
namespace {

TEST(AboutTest, ShowsItsTextUnclippedAndEnterEscapeAndOkEachCloseIt) {
  // Key_unknown stands for a click on OK.
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_unknown}) {
    frmAbout about;
    if (key == Qt::Key_Return) Render(about, "frmAbout.png");
    about.show();
    auto* ok = Child<QPushButton>(about, "cmdOK");
    if (key == Qt::Key_unknown) {
      QTest::mouseClick(ok, Qt::LeftButton);
      EXPECT_EQ(about.result(), QDialog::Accepted);
    } else {
      QTest::keyClick(&about, key);
    }
    EXPECT_FALSE(about.isVisible()) << key;
  }
}

}  // namespace
}  // namespace ringvale::test

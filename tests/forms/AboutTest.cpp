#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "Widgets.h"
#include "frmAbout.h"

namespace ringvale::test {
namespace {

TEST(AboutTest, ShowsTitleVersionAndTheAuthorsNotesInAFixedBox) {
  frmAbout about;
  EXPECT_EQ(about.windowTitle(), "About Ringvale");
  EXPECT_EQ(Child<QLabel>(about, "lblTitle")->text(), "Ringvale");
  EXPECT_EQ(Child<QLabel>(about, "lblVersion")->text(), "Version 1.0.3");
  for (const char* name : {"lblDescription", "lblDisclaimer"}) {
    const QString notes = Child<QLabel>(about, name)->text();
    EXPECT_FALSE(notes.isEmpty()) << name;
    // Any address in the notes is made up; these are not.
    EXPECT_FALSE(notes.contains('@') || notes.contains("http")) << name;
  }
  EXPECT_EQ(about.size(), QSize(386, 283));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  EXPECT_FALSE(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  Render(about, "frmAbout.png", {"Image1"});
}

TEST(AboutTest, EnterEscapeAndOkEachCloseIt) {
  // Key_unknown stands for a click on OK.
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_unknown}) {
    frmAbout about;
    about.show();
    auto* ok = Child<QPushButton>(about, "cmdOK");
    EXPECT_EQ(ok->text(), "OK");
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

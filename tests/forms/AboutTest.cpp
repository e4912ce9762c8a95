#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "frmAbout.h"

namespace ringvale::test {
namespace {

QString LabelText(const frmAbout& about, const char* name) {
  auto* label = about.findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

TEST(AboutTest, ShowsTitleVersionAndTheAuthorsNotes) {
  frmAbout about;
  EXPECT_EQ(about.windowTitle(), "About Ringvale");
  EXPECT_EQ(LabelText(about, "lblTitle"), "Ringvale");
  EXPECT_EQ(LabelText(about, "lblVersion"), "Version 1.0.3");
  EXPECT_FALSE(LabelText(about, "lblDescription").isEmpty());
  EXPECT_FALSE(LabelText(about, "lblDisclaimer").isEmpty());
  // Any address in the notes is made up; these are not.
  for (const char* name : {"lblDescription", "lblDisclaimer"}) {
    EXPECT_FALSE(LabelText(about, name).contains('@')) << name;
    EXPECT_FALSE(LabelText(about, name).contains("http")) << name;
  }
  EXPECT_EQ(about.size(), QSize(386, 283));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->palette().color(QPalette::WindowText),
            QColor(255, 255, 0));
}

TEST(AboutTest, EnterEscapeAndOkEachCloseIt) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    frmAbout about;
    about.show();
    ASSERT_TRUE(about.isVisible());
    QTest::keyClick(&about, key);
    EXPECT_FALSE(about.isVisible()) << key;
  }
  frmAbout about;
  about.show();
  auto* ok = about.findChild<QPushButton*>("cmdOK");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_TRUE(ok->isDefault());
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace ringvale::test

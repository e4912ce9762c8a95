// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "Accessibility.h"
#include "Identity.h"
#include "Picture.h"
#include "Twips.h"

namespace {

const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);
const QColor Pink(255, 192, 255);

QFrame* LineSegment(QWidget* parent, const QColor& colour, const QRect& geometry) {
  auto* line = new QFrame(parent);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
  line->setGeometry(geometry);
  return line;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmAbout");
  const QString title = QString::fromUtf8(ringvale::AppTitle);
  setWindowTitle(QStringLiteral("About ") + title);
  setFixedSize(Px(5790), Px(4245));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);

  auto* Image1 = new Picture(QStringLiteral(":/gloves.svg"), this);
  Image1->setObjectName("Image1");
  PlaceTwips(Image1, 120, 120, 1395, 1020);

  auto* lblTitle = new QLabel(title, this);
  lblTitle->setObjectName("lblTitle");
  lblTitle->setFont(PointFont(Face::Serif, 24, true));
  SetTextColour(lblTitle, Yellow);
  // Title and version start right of the gloves instead of over them, and the title is as
  // tall as the serif face needs.
  PlaceTwips(lblTitle, 1620, 180, 3885, 600);

  auto* lblVersion =
      new QLabel(QStringLiteral("Version ") + QString::fromUtf8(ringvale::Version), this);
  lblVersion->setObjectName("lblVersion");
  lblVersion->setFont(SansFont(12, true, true));
  SetTextColour(lblVersion, Yellow);
  PlaceTwips(lblVersion, 1620, 780, 4005, 345);

  auto* lblDescription = new QLabel(
      QStringLiteral(
          "I wrote Ringvale over a long winter of evenings because I wanted a boxing game "
          "where the hard part is the career, not your reflexes: picking your fights, "
          "training with care and knowing when to walk away from a bribe. Every number in it "
          "was tuned by playing far too late at night. If you have questions or comments, "
          "I'd love to hear them, so send them my way."),
      this);
  lblDescription->setObjectName("lblDescription");
  lblDescription->setWordWrap(true);
  lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDescription->setFont(SansFont(8.25, true));
  SetTextColour(lblDescription, Red);
  PlaceTwips(lblDescription, 1050, 1170, 4125, 1995);

  // An etched rule: a grey line with a white one under it.
  auto* Line1 = new QWidget(this);
  Line1->setObjectName("Line1");
  Line1->setGeometry(Px(120), Px(3240), Px(5680) - Px(120), 3);
  LineSegment(Line1, QColor(128, 128, 128), QRect(0, 0, Line1->width(), 1));
  LineSegment(Line1, Qt::white, QRect(0, 1, Line1->width(), 2));
  MarkDecorative(Line1);

  auto* lblDisclaimer = new QLabel(
      QStringLiteral("Help wanted! I'd love a little animated boxer who sits on the taskbar "
                     "and calls out quotes. If you can draw or animate, please lend a hand."),
      this);
  lblDisclaimer->setObjectName("lblDisclaimer");
  lblDisclaimer->setWordWrap(true);
  lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDisclaimer->setFont(SansFont());
  SetTextColour(lblDisclaimer, Pink);
  PlaceTwips(lblDisclaimer, 360, 3360, 3975, 825);

  auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  cmdOK->setAutoDefault(true);
  PlaceTwips(cmdOK, 4560, 3480, 1020, 675);
  cmdOK->setFocus();
  // Escape reaches QDialog::reject, Enter the default button: both close the box like OK.
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmSplash.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "Game.h"
#include "Identity.h"
#include "Picture.h"
#include "Twips.h"
#include "frmMain.h"

namespace {

QString VersionText() {
  return QStringLiteral("Version ") + QString::fromUtf8(ringvale::Version);
}

}  // namespace

frmSplash::frmSplash(ringvale::Game& game, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), game_(game) {
  setObjectName("frmSplash");
  setWindowTitle(QString());
  setFixedSize(Px(7380), Px(4245));
  setFocusPolicy(Qt::StrongFocus);
  // The window has no title; a screen reader still says what it is and how to go on.
  setAccessibleName(QString::fromUtf8(ringvale::AppTitle));
  setAccessibleDescription(QStringLiteral("Press any key to start"));
  setAutoFillBackground(true);

  Frame1 = new QFrame(this);
  Frame1->setObjectName("Frame1");
  Frame1->setFrameShape(QFrame::Box);
  Frame1->setFrameShadow(QFrame::Sunken);
  PlaceTwips(Frame1, 150, 60, 7080, 4050);

  imgLogo = new Picture(QStringLiteral(":/logo.svg"), Frame1);
  imgLogo->setObjectName("imgLogo");
  PlaceTwips(imgLogo, 240, 240, 6615, 3705);

  auto makeLabel = [&](const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, Frame1);
    label->setObjectName(name);
    label->setFont(font);
    SetTextColour(label, QColor(255, 250, 235));
    return label;
  };

  lblCompanyProduct =
      makeLabel("lblCompanyProduct", QStringLiteral("Varnholt Enterprises presents,"),
                PointFont(Face::Sans, 20, true));
  lblCompanyProduct->move(Px(480), Px(960));
  lblCompanyProduct->adjustSize();

  lblProductName = makeLabel("lblProductName", QString::fromUtf8(ringvale::AppTitle),
                             PointFont(Face::Sans, 32, true));
  PlaceTwips(lblProductName, 1920, 1320, 4815, 765);

  lblVersion = makeLabel("lblVersion", VersionText(), PointFont(Face::Sans, 12, true));
  lblVersion->move(Px(4920), Px(2160));
  lblVersion->adjustSize();

  lblCompany =
      makeLabel("lblCompany", QStringLiteral("Varnholt Enterprises"), PointFont(Face::Sans, 8));
  lblCompany->move(Px(5280), Px(3720));
  lblCompany->adjustSize();

  lblCredit =
      makeLabel("lblCredit", QStringLiteral("Code, art and bruised knuckles: the Ringvale team"),
                PointFont(Face::Sans, 8));
  lblCredit->move(Px(360), Px(3720));
  lblCredit->adjustSize();

  // Clicks on the picture and labels reach the frame's handler, or are dropped, here.
  for (QWidget* widget :
       {static_cast<QWidget*>(Frame1), imgLogo, static_cast<QWidget*>(lblCompanyProduct),
        static_cast<QWidget*>(lblProductName), static_cast<QWidget*>(lblVersion),
        static_cast<QWidget*>(lblCompany), static_cast<QWidget*>(lblCredit)}) {
    widget->installEventFilter(this);
  }
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
  const bool isClick = event->type() == QEvent::MouseButtonRelease;
  const bool isMouse = isClick || event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::MouseButtonDblClick;
  if (!isMouse) return QWidget::eventFilter(watched, event);
  const bool closes = watched == Frame1 || watched == imgLogo || watched == lblCompanyProduct ||
                      watched == lblProductName;
  if (isClick && closes &&
      static_cast<QWidget*>(watched)->rect().contains(
          static_cast<QMouseEvent*>(event)->position().toPoint())) {
    Dismiss();
  }
  return true;
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
  event->accept();
  Dismiss();
}

void frmSplash::Dismiss() {
  if (dismissed_) return;
  dismissed_ = true;
  // The main window opens first: closing the last open window would end the program.
  auto* main = new frmMain(game_);
  main->setAttribute(Qt::WA_DeleteOnClose);
  main->show();
  close();
}

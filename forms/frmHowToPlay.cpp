// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmHowToPlay.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include "Twips.h"
#include "WindowPlace.h"
#include "modHelp.h"

namespace {

// Markdown comes in with large headings and no room between paragraphs: the rules read better
// with headings a step above the text and a line's gap around them.
void SpaceOut(QTextDocument* document) {
  QTextCursor cursor(document);
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    cursor.setPosition(block.position());
    QTextBlockFormat format = block.blockFormat();
    const bool heading = format.headingLevel() > 0;
    format.setTopMargin(heading ? 8 : 0);
    const bool listGoesOn =
        block.textList() != nullptr && block.next().textList() == block.textList();
    format.setBottomMargin(listGoesOn ? 2 : 6);
    cursor.setBlockFormat(format);
    if (heading) {
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      QTextCharFormat larger;
      larger.setProperty(QTextFormat::FontSizeAdjustment, 1);
      cursor.mergeCharFormat(larger);
    }
  }
}

}  // namespace

frmHowToPlay::frmHowToPlay(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmHowToPlay");
  setWindowTitle(QStringLiteral("Ringvale - How to Play"));
  setFont(SansFont());
  resize(Px(7200), Px(8400));

  auto* txtHowToPlay = new QTextBrowser(this);
  txtHowToPlay->setObjectName("txtHowToPlay");
  txtHowToPlay->setAccessibleName(QStringLiteral("How to Play"));
  txtHowToPlay->setFont(SansFont(9));
  txtHowToPlay->setMarkdown(QString::fromStdString(ringvale::HowToPlayText()));
  SpaceOut(txtHowToPlay->document());

  auto* cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setAutoDefault(false);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtHowToPlay, 1);
  layout->addLayout(buttons);
  txtHowToPlay->setFocus();
  WindowPlace::Remember(this);
}

void frmHowToPlay::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

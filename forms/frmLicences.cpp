// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmLicences.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Twips.h"
#include "WindowPlace.h"

namespace {

QString CompiledIn(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QPlainTextEdit* LicenceText(const char* name, const QString& spoken, const QString& text) {
  auto* view = new QPlainTextEdit(text);
  view->setObjectName(name);
  view->setAccessibleName(spoken);
  view->setReadOnly(true);
  // A caret for the keyboard and screen readers to read by; Tab still moves on.
  view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  view->setTabChangesFocus(true);
  // The licences are laid out in fixed columns.
  view->setFont(PointFont(Face::Mono, 8));
  return view;
}

}  // namespace

frmLicences::frmLicences(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("frmLicences");
  WindowPlace::Remember(this);
  setWindowTitle(QStringLiteral("Licences"));
  setFont(SansFont());

  const QString game = QStringLiteral(
      "Ringvale\n"
      "Copyright 2026 The Ringvale developers\n\n"
      "Ringvale is free software: you can redistribute it and/or modify it under the terms of "
      "the GNU General Public License as published by the Free Software Foundation, either "
      "version 3 of the License, or (at your option) any later version.\n\n"
      "Ringvale is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
      "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR "
      "PURPOSE. See the GNU General Public License below for more details.\n\n\n");
  const QString fonts = QStringLiteral(
      "The game's windows are drawn in the Liberation fonts, which come with it under their own "
      "licence.\n\n\n");

  auto* tabLicences = new QTabWidget;
  tabLicences->setObjectName("tabLicences");
  tabLicences->setAccessibleName(QStringLiteral("Licences"));
  tabLicences->tabBar()->setAccessibleName(tabLicences->accessibleName());
  tabLicences->addTab(
      LicenceText("txtGame", QStringLiteral("Licence of Ringvale"),
                  game + CompiledIn(QStringLiteral(":/licences/GPL-3.0-or-later.txt"))),
      QStringLiteral("&Ringvale"));
  tabLicences->addTab(
      LicenceText("txtFonts", QStringLiteral("Notice and licence of the fonts"),
                  fonts + CompiledIn(QStringLiteral(":/licences/fonts-copyright.txt")) +
                      QStringLiteral("\n\n") +
                      CompiledIn(QStringLiteral(":/licences/OFL-1.1.txt"))),
      QStringLiteral("&Fonts"));

  auto* cmdClose = new QPushButton(QStringLiteral("Close"));
  cmdClose->setObjectName("cmdClose");
  cmdClose->setDefault(true);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabLicences);
  layout->addLayout(buttons);
  // Wide enough for the licences' lines of up to 80 columns.
  resize(Px(9600), Px(8400));
}

// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <array>
#include <utility>

namespace {

constexpr std::array<const char*, 3> Families{"Liberation Sans", "Liberation Serif",
                                              "Liberation Mono"};

// Upright or italic, each with its bold: registered together, so a bold made from a window's
// font is the real face, never a smeared one.
void Register(QString family, bool italic) {
  family.remove(QLatin1Char(' '));
  for (const char* style :
       italic ? std::array{"Italic", "BoldItalic"} : std::array{"Regular", "Bold"}) {
    // Stored uncompressed, so Qt reads the font where it lies in the program: no copy.
    const QResource file(QStringLiteral(":/fonts/%1-%2.ttf").arg(family, QLatin1String(style)));
    QFontDatabase::addApplicationFontFromData(file.uncompressedData());
  }
}

}  // namespace

QString Family(Face face, bool italic) {
  static std::array<std::array<bool, 2>, Families.size()> registered{};
  const auto index = static_cast<std::size_t>(face);
  const QString family = QString::fromLatin1(Families.at(index));
  if (!std::exchange(registered.at(index)[italic], true)) Register(family, italic);
  return family;
}

#include "Fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <array>
#include <utility>

namespace {

constexpr std::array<const char*, 3> Families{"Liberation Sans", "Liberation Serif",
                                              "Liberation Mono"};
constexpr std::array<const char*, 4> Styles{"Regular", "Bold", "Italic", "BoldItalic"};

void Register(QString family) {
  family.remove(QLatin1Char(' '));
  for (const char* style : Styles) {
    // Stored uncompressed, so Qt reads the font where it lies in the program: no copy.
    const QResource file(QStringLiteral(":/fonts/%1-%2.ttf").arg(family, QLatin1String(style)));
    QFontDatabase::addApplicationFontFromData(file.uncompressedData());
  }
}

}  // namespace

QString Family(Face face) {
  static std::array<bool, Families.size()> registered{};
  const auto index = static_cast<std::size_t>(face);
  const QString family = QString::fromLatin1(Families.at(index));
  if (!std::exchange(registered.at(index), true)) Register(family);
  return family;
}

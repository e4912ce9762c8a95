#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <vector>

#include "Twips.h"

namespace {

struct Picture {
  QString name;
  int width, height;  // pixels the windows show it at
};

// Every picture the windows load, at the size they show it.
std::vector<Picture> Pictures() {
  std::vector<Picture> list = {{"logo.svg", 441, 247},
                               {"gloves.svg", 245, 156},
                               {"icon.svg", 64, 64},
                               {"fight-background.svg", 350, 439},
                               {"hall-background.svg", 436, 305}};
  for (int i = 1; i <= 7; ++i) list.push_back({QString("speedbag%1.svg").arg(i), 40, 63});
  for (int i = 1; i <= 5; ++i) list.push_back({QString("heavybag%1.svg").arg(i), 39, 120});
  return list;
}

QImage Draw(const QString& name, QSize size) {
  QSvgRenderer renderer(":/" + name);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  return image;
}

TEST(Art, EveryPictureLoadsFromTheResourcesWithTheProportionsItIsShownAt) {
  const QString renderDir = qEnvironmentVariable("RINGVALE_RENDER_DIR");
  for (const Picture& picture : Pictures()) {
    SCOPED_TRACE(picture.name.toStdString());
    QSvgRenderer renderer(":/" + picture.name);
    ASSERT_TRUE(renderer.isValid());
    const QRectF box = renderer.viewBoxF();
    ASSERT_GT(box.height(), 0);
    EXPECT_NEAR(box.width() / box.height(), double(picture.width) / picture.height, 0.01);

    // A picture that parses but draws (almost) nothing is as broken as a missing one.
    const QImage image = Draw(picture.name, {picture.width, picture.height});
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 0;
    EXPECT_GT(opaque, picture.width * picture.height / 10);

    if (!renderDir.isEmpty()) {
      QDir().mkpath(renderDir);
      const QString base = renderDir + "/" + QFileInfo(picture.name).completeBaseName();
      image.save(base + ".png");
      Draw(picture.name, {picture.width * 3, picture.height * 3}).save(base + "@3x.png");
    }
  }
  // ... and no picture in the resource folder is left out of the program.
  const QDir resources(QString(RINGVALE_FIXTURES) + "/../../resources");
  ASSERT_TRUE(resources.exists());
  const QStringList files = resources.entryList({"*.svg"}, QDir::Files);
  EXPECT_EQ(files.size(), qsizetype(Pictures().size()));
  for (const QString& file : files)
    EXPECT_TRUE(QFileInfo::exists(":/" + file)) << file.toStdString();
}

TEST(Art, TrainingFramesMoveOnlyTheBag) {
  struct Series {
    QString prefix;
    int frames, width, height, stillRows;  // stillRows: the platform or ceiling hook
  };
  for (const Series& series :
       {Series{"speedbag", 7, 40, 63, 8}, Series{"heavybag", 5, 39, 120, 5}}) {
    std::vector<QImage> frames;
    for (int i = 1; i <= series.frames; ++i)
      frames.push_back(
          Draw(QString("%1%2.svg").arg(series.prefix).arg(i), {series.width, series.height}));
    for (int i = 0; i < series.frames; ++i) {
      const QImage& next = frames[(i + 1) % series.frames];
      SCOPED_TRACE((series.prefix + QString(" frame %1 to the next").arg(i + 1)).toStdString());
      const QRect still(0, 0, series.width, series.stillRows);
      EXPECT_TRUE(frames[i].copy(still) == next.copy(still));
      EXPECT_TRUE(frames[i] != next);
    }
  }
}

// The faces come with the program: the same family and pitch whatever the machine has installed
// (ctest runs this again with none of the machine's fonts).
TEST(Fonts, EveryFaceIsTheGamesOwnWhateverFontsTheMachineHas) {
  for (const auto& [face, family] : {std::pair{Face::Sans, "Liberation Sans"},
                                     {Face::Serif, "Liberation Serif"},
                                     {Face::Mono, "Liberation Mono"}}) {
    for (const bool bold : {false, true}) {
      const QFontInfo info(PointFont(face, 8, bold, bold));
      EXPECT_EQ(info.family(), family);
      EXPECT_EQ(info.fixedPitch(), face == Face::Mono) << family;
      EXPECT_EQ(info.bold(), bold) << family;
      EXPECT_EQ(info.italic(), bold) << family;
    }
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <vector>

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
  }
  // ... and no picture in the resource folder is left out of the program.
  const QDir resources(QString(RINGVALE_FIXTURES) + "/../../resources");
  ASSERT_TRUE(resources.exists());
  const QStringList files = resources.entryList({"*.svg"}, QDir::Files);
  EXPECT_EQ(files.size(), qsizetype(Pictures().size()));
  for (const QString& file : files)
    EXPECT_TRUE(QFileInfo::exists(":/" + file)) << file.toStdString();
}

}  // namespace

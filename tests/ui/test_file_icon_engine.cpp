// The program's icon keeps its pictures as files until a size is asked for.

#include "ui/file_icon_engine.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using zilvaro::FileIconEngine;

namespace {

QString writePicture(const QTemporaryDir& dir, int size, QRgb colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = dir.filePath(QStringLiteral("icon-%1.png").arg(size));
    EXPECT_TRUE(image.save(path));
    return path;
}

} // namespace

TEST(FileIconEngine, ChoosesTheSmallestPictureThatIsLargeEnough) {
    QTemporaryDir dir;
    auto* engine = new FileIconEngine;
    engine->addFile(writePicture(dir, 48, qRgb(0, 0, 255)), QSize(48, 48));
    engine->addFile(writePicture(dir, 16, qRgb(255, 0, 0)), QSize(16, 16));
    const QIcon icon(engine);
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(48, 48), QSize(16, 16)}));
    // Exactly a size it has.
    QImage small = icon.pixmap(QSize(16, 16)).toImage();
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_EQ(small.pixel(8, 8), qRgb(255, 0, 0));
    // Between two: the larger, scaled down; beyond the largest: the largest as it is.
    QImage middle = icon.pixmap(QSize(32, 32)).toImage();
    EXPECT_EQ(middle.size(), QSize(32, 32));
    EXPECT_EQ(middle.pixel(16, 16), qRgb(0, 0, 255));
    EXPECT_EQ(icon.pixmap(QSize(64, 64)).size(), QSize(48, 48));
    EXPECT_EQ(icon.actualSize(QSize(20, 20)), QSize(20, 20));
    EXPECT_EQ(icon.actualSize(QSize(100, 100)), QSize(48, 48));
}

TEST(FileIconEngine, DecodesAPictureOnlyWhenItsSizeIsAskedFor) {
    QTemporaryDir dir;
    auto* engine = new FileIconEngine;
    const QString large = writePicture(dir, 48, qRgb(0, 0, 255));
    engine->addFile(large, QSize(48, 48));
    engine->addFile(writePicture(dir, 16, qRgb(255, 0, 0)), QSize(16, 16));
    const QIcon icon(engine);
    EXPECT_FALSE(icon.isNull());
    // The small picture is read when asked for; the large one, removed before anyone
    // asked for it, was never read.
    EXPECT_FALSE(icon.pixmap(QSize(16, 16)).isNull());
    ASSERT_TRUE(QFile::remove(large));
    EXPECT_TRUE(icon.pixmap(QSize(48, 48)).isNull());
    // Once read, a picture stays.
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("icon-16.png"))));
    EXPECT_EQ(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
}

TEST(FileIconEngine, AnIconWithoutPicturesIsNull) {
    const QIcon icon(new FileIconEngine);
    EXPECT_TRUE(icon.isNull());
    EXPECT_TRUE(icon.pixmap(QSize(16, 16)).isNull());
}

#include "core/failure.h"
#include "lookup/decomposition_picture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace zilvaro;

TEST(DecompositionPicture, PathIsTheCharacterInTheBmpFolder) {
    EXPECT_EQ(decompositionPicturePath(QStringLiteral("/opt/zilvaro"), u"字 "),
              QStringLiteral("/opt/zilvaro/bmp/字.bmp"));
    EXPECT_EQ(decompositionPicturePath(QStringLiteral("/opt/zilvaro/"), u"啊"),
              QStringLiteral("/opt/zilvaro/bmp/啊.bmp"));
    // A character beyond the Basic Multilingual Plane is never split.
    EXPECT_EQ(decompositionPicturePath(QStringLiteral("p"), u"\U00020000 "),
              QStringLiteral("p/bmp/\U00020000.bmp"));
}

TEST(DecompositionPicture, LoadsAPictureAndNamesThePathOfOneItCannotRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("bmp")));
    const QString good = decompositionPicturePath(dir.path(), u"字 ");
    QImage picture(108, 109, QImage::Format_Mono);
    picture.fill(1);
    ASSERT_TRUE(picture.save(good, "BMP"));
    // The name on disk is the character in UTF-8.
    EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/bmp/") +
                              QString::fromUtf8("\xE5\xAD\x97") + QStringLiteral(".bmp")));
    EXPECT_EQ(loadDecompositionPicture(good).size(), QSize(108, 109));

    const QString missing = decompositionPicturePath(dir.path(), u"阿 ");
    const QString broken = decompositionPicturePath(dir.path(), u"啊 ");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not really a picture");
    file.close();
    for (const QString& path : {missing, broken}) {
        try {
            loadDecompositionPicture(path);
            ADD_FAILURE() << "no failure for " << path.toStdString();
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().contains(QDir::toNativeSeparators(path)))
                << failure.message().toStdString();
        }
    }
}

TEST(DecompositionPicture, TheSharpPictureIsTheCharacterAt2x) {
    EXPECT_EQ(decompositionPicturePath(QStringLiteral("/opt/zilvaro"), u"字 ", 2),
              QStringLiteral("/opt/zilvaro/bmp/字@2x.bmp"));
    EXPECT_EQ(pictureScaleFor(1.0), 1);
    EXPECT_EQ(pictureScaleFor(0.75), 1);
    EXPECT_EQ(pictureScaleFor(1.25), 2);
    EXPECT_EQ(pictureScaleFor(1.5), 2);
    EXPECT_EQ(pictureScaleFor(2.0), 2);
    EXPECT_EQ(pictureScaleFor(3.0), 2);
}

TEST(DecompositionPicture, ASlotTakesTheSharpPictureWhereThereIsOneAndTheOtherElsewhere) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("bmp")));
    const auto save = [&](QStringView character, int scale, QSize size) {
        QImage picture(size, QImage::Format_Mono);
        picture.fill(1);
        ASSERT_TRUE(picture.save(decompositionPicturePath(dir.path(), character, scale), "BMP"));
    };
    save(u"字", 1, QSize(108, 109));
    save(u"字", 2, QSize(216, 218));
    save(u"阿", 1, QSize(108, 109)); // a data folder from before the sharp pictures

    const QImage sharp = loadSlotPicture(dir.path(), u"字 ", 2);
    EXPECT_EQ(sharp.size(), QSize(216, 218));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    const QImage plain = loadSlotPicture(dir.path(), u"字 ", 1);
    EXPECT_EQ(plain.size(), QSize(108, 109));
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    const QImage fallback = loadSlotPicture(dir.path(), u"阿 ", 2);
    EXPECT_EQ(fallback.size(), QSize(108, 109));
    EXPECT_EQ(fallback.devicePixelRatio(), 1.0);

    // Without either picture it is the failure it always was, naming the 1x picture.
    try {
        loadSlotPicture(dir.path(), u"啊 ", 2);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains(
            QDir::toNativeSeparators(decompositionPicturePath(dir.path(), u"啊"))))
            << failure.message().toStdString();
    }
    // A sharp picture of the wrong size would put the fills in the wrong places.
    save(u"啊", 1, QSize(108, 109));
    save(u"啊", 2, QSize(108, 109));
    try {
        loadSlotPicture(dir.path(), u"啊 ", 2);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains(u"@2x.bmp is 108 x 109 pixels, not 216 x 218"))
            << failure.message().toStdString();
    }
}

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

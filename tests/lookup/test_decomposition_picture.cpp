#include "core/failure.h"
#include "lookup/decomposition_picture.h"
#include "lookup/picture_pack.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

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

TEST(DecompositionPicture, TheSharpPicturesArePackedBesideTheFolder) {
    EXPECT_EQ(sharpPicturePackPath(QStringLiteral("/opt/zilvaro")),
              QStringLiteral("/opt/zilvaro/bmp@2x.pack"));
    EXPECT_EQ(pictureScaleFor(1.0), 1);
    EXPECT_EQ(pictureScaleFor(0.75), 1);
    EXPECT_EQ(pictureScaleFor(1.25), 2);
    EXPECT_EQ(pictureScaleFor(1.5), 2);
    EXPECT_EQ(pictureScaleFor(2.0), 2);
    EXPECT_EQ(pictureScaleFor(3.0), 2);
}

namespace {

QByteArray monoFile(QSize size) {
    QImage picture(size, QImage::Format_Mono);
    picture.fill(1);
    for (int y = 10; y < size.height() - 10; ++y) {
        picture.setPixel(y % size.width(), y, 0); // a stroke to tell the pictures apart
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, "BMP"));
    return bytes;
}

} // namespace

TEST(DecompositionPicture, ASlotTakesTheSharpPictureWhereThePackHasOneAndTheOtherElsewhere) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("bmp")));
    for (const QStringView character : {u"字", u"阿"}) {
        QFile file(decompositionPicturePath(dir.path(), character));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(monoFile(QSize(108, 109)));
    }
    const QString pack = sharpPicturePackPath(dir.path());
    auto writePack = [&](QSize size) {
        QString error;
        QFile file(pack);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(formatPicturePack({{U'字', monoFile(size)}}, &error));
    };

    // A data folder from before the sharp pictures: every slot shows the 1x picture.
    EXPECT_EQ(loadSlotPicture(dir.path(), u"字 ", 2).size(), QSize(108, 109));

    writePack(QSize(216, 218));
    const QImage sharp = loadSlotPicture(dir.path(), u"字 ", 2);
    EXPECT_EQ(sharp.size(), QSize(216, 218));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_NE(sharp.pixel(20, 20), sharp.pixel(0, 0)); // the stroke, from the pack
    const QImage plain = loadSlotPicture(dir.path(), u"字 ", 1);
    EXPECT_EQ(plain.size(), QSize(108, 109));
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    // A character the pack lacks shows its 1x picture.
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
    // A packed picture of the wrong size would put the fills in the wrong places: the
    // validating loader refuses it, naming the pack and the character.
    writePack(QSize(108, 109));
    try {
        loadSlotPicture(dir.path(), u"字 ", 2);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(),
                  QStringLiteral("Cannot read the picture %1 (字): it is 108 x 109 pixels, not the "
                                 "216 x 218 of a decomposition picture")
                      .arg(QDir::toNativeSeparators(pack)));
    }
    // A pack that is a link looping on itself is refused, as a named pipe is, not made up
    // for by the other picture.
    ASSERT_TRUE(QFile::remove(pack));
    ASSERT_TRUE(QFile::link(pack, pack));
    try {
        loadSlotPicture(dir.path(), u"阿 ", 2);
        ADD_FAILURE() << "a looping link was taken for a missing pack";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(), QStringLiteral("Cannot open the sharp pictures ") + pack +
                                         QStringLiteral(": its path has too many symbolic links"));
    }
}

namespace {

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "BMP"));
    return bytes;
}

QImage framePicture(QSize size, QImage::Format format = QImage::Format_Mono) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < size.width(); ++x) {
        picture.setPixel(x, 0, qRgb(0, 0, 0));
        picture.setPixel(x, size.height() - 1, qRgb(0, 0, 0));
    }
    return picture.convertToFormat(format);
}

// The message of the failure loading the bytes as a picture raises; empty when it loads.
class PictureFiles : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("字.bmp"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    QString failure(const QString& path, QSize size = DecompositionPictureSize) {
        try {
            loadDecompositionPicture(path, size);
        } catch (const Failure& f) {
            return f.message();
        }
        return {};
    }
    QString failureOf(const QByteArray& bytes, QSize size = DecompositionPictureSize) {
        return failure(write(bytes), size);
    }
    QString prefix() const {
        return QStringLiteral("Cannot read the picture ") + dir.filePath(QStringLiteral("字.bmp")) +
               QStringLiteral(": ");
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(PictureFiles, PicturesOfTheSizeAskedForLoadInEveryUncompressedDepth) {
    for (const QImage::Format format :
         {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB32, QImage::Format_ARGB32,
          QImage::Format_RGB888}) {
        const QImage picture = framePicture(DecompositionPictureSize, format);
        const QString path = write(bmpBytes(picture));
        const QImage loaded = loadDecompositionPicture(path);
        EXPECT_EQ(loaded.size(), DecompositionPictureSize) << format;
        EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32),
                  picture.convertToFormat(QImage::Format_RGB32))
            << format;
    }
    // The twice-as-large pictures are read by the same loader, asked for their size.
    const QImage large = framePicture(QSize(216, 218));
    EXPECT_EQ(loadDecompositionPicture(write(bmpBytes(large)), QSize(216, 218)).size(),
              QSize(216, 218));
    EXPECT_EQ(failureOf(bmpBytes(large)),
              prefix() + QStringLiteral("it is 216 x 218 pixels, not the 108 x 109 of a "
                                        "decomposition picture"));
}

TEST_F(PictureFiles, AFileCutShortIsRefusedAndNeverShowsWhatWasInMemory) {
    const QByteArray whole = bmpBytes(framePicture(DecompositionPictureSize));
    // Cut inside the pixels (the first 100 bytes hold the headers and the palette), inside
    // the headers, and by one byte.
    EXPECT_EQ(failureOf(whole.left(100)),
              prefix() + QStringLiteral("it is cut short: it holds 100 bytes of the %1 its "
                                        "header promises")
                             .arg(whole.size()));
    EXPECT_EQ(failureOf(whole.left(whole.size() - 1)),
              prefix() + QStringLiteral("it is cut short: it holds %1 bytes of the %2 its "
                                        "header promises")
                             .arg(whole.size() - 1)
                             .arg(whole.size()));
    EXPECT_EQ(failureOf(whole.left(30)),
              prefix() + QStringLiteral("it is cut short inside its header"));
    // Bytes after the picture are not read.
    EXPECT_EQ(failureOf(whole + QByteArray(5000, 'x')), QString());
}

TEST_F(PictureFiles, AHeaderThatLiesAboutThePaletteOrThePixelsIsRefusedBeforeDecoding) {
    const QByteArray whole = bmpBytes(framePicture(DecompositionPictureSize));
    const auto with = [&](int at, std::uint32_t value) {
        QByteArray bytes = whole;
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
        }
        return bytes;
    };
    // The pixels said to start at byte 0, and the file 62 bytes short of them: the rows
    // would be read from the headers.
    EXPECT_EQ(failureOf(with(10, 0).left(whole.size() - 62)),
              prefix() + QStringLiteral("its pixel-data offset, 0, lies inside its headers and "
                                        "palette, which end at byte 62"));
    EXPECT_EQ(failureOf(with(10, 58)),
              prefix() + QStringLiteral("its pixel-data offset, 58, lies inside its headers and "
                                        "palette, which end at byte 62"));
    // Room for every row after the offset.
    EXPECT_EQ(failureOf(with(10, 70)),
              prefix() + QStringLiteral("it is cut short: it holds %1 bytes of the %2 its header "
                                        "promises")
                             .arg(whole.size())
                             .arg(whole.size() + 8));
    // A one-bit picture has two colours: 255 would be read past the palette into the pixels.
    for (const std::uint32_t colours : {255u, 3u, 1u}) {
        EXPECT_EQ(failureOf(with(46, colours)),
                  prefix() + QStringLiteral("its colours-used field says %1, where a 1-bit "
                                            "picture has 2 colours")
                                 .arg(colours));
    }
    EXPECT_EQ(failureOf(with(46, 2)), QString());
    EXPECT_EQ(failureOf(with(46, 0)), QString());
}

TEST_F(PictureFiles, APictureOfAnotherSizeIsRefusedBeforeItIsDecoded) {
    // A valid 5600 x 5600 picture would take a second and 130 MB to decode and show.
    QImage huge(5600, 5600, QImage::Format_Mono);
    huge.fill(1);
    const QByteArray bytes = bmpBytes(huge);
    // Only its header is there: nothing but the header can have been read to refuse it.
    EXPECT_EQ(failureOf(bytes.left(62)),
              prefix() + QStringLiteral("it is 5600 x 5600 pixels, not the 108 x 109 of a "
                                        "decomposition picture"));
    EXPECT_EQ(failureOf(bmpBytes(framePicture(QSize(107, 109)))),
              prefix() + QStringLiteral("it is 107 x 109 pixels, not the 108 x 109 of a "
                                        "decomposition picture"));
}

TEST_F(PictureFiles, WhatIsNoPictureSaysSo) {
    EXPECT_EQ(failureOf({}), prefix() + QStringLiteral("it is empty"));
    EXPECT_EQ(failureOf("GIF89a and so on"), prefix() + QStringLiteral("it is not a BMP picture"));
    QImage png(DecompositionPictureSize, QImage::Format_RGB32);
    png.fill(Qt::white);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    EXPECT_EQ(failureOf(pngBytes), prefix() + QStringLiteral("it is not a BMP picture"));
    // A compressed picture: its completeness cannot be told from its header.
    QByteArray compressed =
        bmpBytes(framePicture(DecompositionPictureSize, QImage::Format_Indexed8));
    compressed[30] = 1; // BI_RLE8
    EXPECT_EQ(failureOf(compressed),
              prefix() +
                  QStringLiteral("it is a compressed BMP picture, which Zilvaro does not read"));
}

TEST_F(PictureFiles, ANamedPipeOrAFolderFailsAtOnce) {
    const QString pipe = dir.filePath(QStringLiteral("管.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(failure(pipe), QStringLiteral("Cannot open the picture ") + pipe +
                                 QStringLiteral(": it is a named pipe, not a regular file"));
    EXPECT_EQ(failure(dir.path()), QStringLiteral("Cannot open the picture ") + dir.path() +
                                       QStringLiteral(": it is a folder, not a regular file"));
}

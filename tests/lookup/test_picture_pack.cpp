#include "core/failure.h"
#include "lookup/picture_pack.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <functional>

using namespace zilvaro;

namespace {

// A one-bit BMP file of a made-up outline picture: a ring and a bar, placed by `seed`.
QByteArray outlineFile(int seed, QSize size = QSize(216, 218)) {
    QImage picture(size, QImage::Format_Mono);
    picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    picture.fill(1);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::color0, 2));
    painter.drawEllipse(20 + seed % 50, 30 + seed % 37, 90 + seed % 60, 70);
    painter.drawLine(10, 200 - seed % 90, 205, 12 + seed % 70);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, "BMP"));
    return bytes;
}

class PackFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("bmp@2x.pack"));

    void write(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString failureOf(const std::function<void()>& step) {
        try {
            step();
        } catch (const Failure& failure) {
            return failure.message();
        }
        return QString();
    }
};

std::vector<PackedPicture> madeUpPictures() {
    return {{U'字', outlineFile(1)},
            {U'一', outlineFile(2)},
            {U'\U00020000', outlineFile(3)},
            {U'啊', outlineFile(4)}};
}

QByteArray packOf(const std::vector<PackedPicture>& pictures) {
    QString error;
    const QByteArray pack = formatPicturePack(pictures, &error);
    EXPECT_FALSE(pack.isEmpty()) << error.toStdString();
    return pack;
}

} // namespace

TEST_F(PackFile, GivesBackEveryFileByteForByteAndNothingForACharacterItLacks) {
    const std::vector<PackedPicture> pictures = madeUpPictures();
    const QByteArray pack = packOf(pictures);
    qint64 files = 0;
    for (const PackedPicture& picture : pictures) {
        files += picture.bmpFile.size();
    }
    // Outlines code in a small share of their files, model included.
    EXPECT_LT(pack.size(), 2 * 65536 + files / 4);
    write(pack);
    const PicturePack opened(path);
    EXPECT_EQ(opened.size(), 4);
    EXPECT_EQ(opened.characters(), (std::vector<char32_t>{U'一', U'啊', U'字', U'\U00020000'}));
    for (const PackedPicture& picture : pictures) {
        EXPECT_EQ(opened.bmpFile(picture.character), picture.bmpFile);
    }
    EXPECT_EQ(opened.bmpFile(U'阿'), std::nullopt);
    EXPECT_EQ(opened.bmpFile(U'\0'), std::nullopt);
    EXPECT_EQ(opened.bmpFile(U'\U0010FFFF'), std::nullopt);
}

TEST_F(PackFile, RefusesFilesItCannotGiveBack) {
    QString error;
    EXPECT_TRUE(formatPicturePack({}, &error).isEmpty());
    EXPECT_EQ(error, u"there is no picture to pack");
    EXPECT_TRUE(
        formatPicturePack({{U'字', outlineFile(1)}, {U'字', outlineFile(2)}}, &error).isEmpty());
    EXPECT_EQ(error, u"字 comes twice");
    // Another size: its headers differ from the first picture's.
    EXPECT_TRUE(formatPicturePack(
                    {{U'一', outlineFile(1)}, {U'字', outlineFile(2, QSize(108, 109))}}, &error)
                    .isEmpty());
    EXPECT_EQ(error, u"the picture of 字 does not start with the headers of the picture of 一");
    // A picture of more than one bit a pixel, and one with bytes after its pixels.
    QImage colour(216, 218, QImage::Format_RGB32);
    colour.fill(Qt::white);
    QByteArray colourFile;
    QBuffer buffer(&colourFile);
    buffer.open(QIODevice::WriteOnly);
    colour.save(&buffer, "BMP");
    for (const QByteArray& file : {colourFile, outlineFile(1) + "x", outlineFile(1).chopped(1)}) {
        EXPECT_TRUE(formatPicturePack({{U'字', file}}, &error).isEmpty());
        EXPECT_EQ(error, u"the picture of 字 is no one-bit BMP file");
    }
}

TEST_F(PackFile, ADamagedPackIsAFailureNamingItAndTheCause) {
    const std::vector<PackedPicture> pictures = madeUpPictures();
    const QByteArray pack = packOf(pictures);
    const QString name = QDir::toNativeSeparators(path);
    auto openedWith = [&](const QByteArray& bytes) {
        write(bytes);
        return failureOf([&] { PicturePack opened(path); });
    };
    const QString prefix = QStringLiteral("Cannot read the sharp pictures ") + name;
    EXPECT_EQ(openedWith(QByteArray()), prefix + QString::fromUtf16(u": it is empty"));
    EXPECT_EQ(openedWith(pack.first(20)), prefix + QString::fromUtf16(u": it is cut short"));
    EXPECT_EQ(openedWith(QByteArray(pack).replace(0, 2, "BM")),
              prefix + QString::fromUtf16(u": it is no picture pack"));
    QByteArray version = pack;
    version[8] = 2;
    EXPECT_EQ(openedWith(version),
              prefix + QString::fromUtf16(u": it is a picture pack of version 2, not 1"));
    QByteArray count = pack;
    count[15] = '\x7f'; // billions of pictures
    EXPECT_EQ(openedWith(count), prefix + QString::fromUtf16(u": its header is damaged"));
    // The index ends before the file does, or points past it.
    const qsizetype headSize = static_cast<uchar>(pack[16]) | static_cast<uchar>(pack[17]) << 8;
    const qsizetype indexAt = 28 + headSize + 2 * 65536;
    EXPECT_EQ(openedWith(pack.first(indexAt + 10)),
              prefix + QString::fromUtf16(u": it is cut short"));
    QByteArray pastEnd = pack;
    pastEnd[indexAt + 16 + 8 + 2] = '\x7f'; // the second picture's length
    EXPECT_EQ(openedWith(pastEnd),
              prefix + QString::fromUtf16(u": entry 2 of its index points past its end"));
    QByteArray unordered = pack;
    for (int i = 0; i < 16; ++i) {
        std::swap(unordered[indexAt + i], unordered[indexAt + 16 + i]);
    }
    EXPECT_EQ(openedWith(unordered),
              prefix + QString::fromUtf16(u": its index is out of order at entry 2"));
    QByteArray model = pack;
    model[28 + headSize] = 0;
    model[28 + headSize + 1] = 0; // odds of 0 code nothing
    EXPECT_EQ(openedWith(model), prefix + QString::fromUtf16(u": its coding model is damaged"));
    // Something in its place that is no file.
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_TRUE(failureOf([&] { PicturePack opened(path); }).contains(u"not a regular file"));
    ASSERT_TRUE(QDir().rmdir(path));

    // A damaged code is found when its picture is read, and names the character; the
    // other pictures still read.
    // The middle byte of the last picture's code (𠀀, the last by code point).
    const auto* last = reinterpret_cast<const uchar*>(pack.constData()) + indexAt + 3 * 16;
    const qsizetype middle = indexAt + 4 * 16 + qFromLittleEndian<quint32>(last + 4) +
                             qFromLittleEndian<quint32>(last + 8) / 2;
    QByteArray code = pack;
    code[middle] = static_cast<char>(code[middle] ^ 0x20);
    write(code);
    const PicturePack opened(path);
    EXPECT_EQ(failureOf([&] { opened.bmpFile(U'\U00020000'); }),
              prefix + QStringLiteral(": the picture of \U00020000 is damaged"));
    EXPECT_EQ(opened.bmpFile(U'字'), pictures[0].bmpFile);
}

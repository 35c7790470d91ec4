#pragma once

#include "lookup/bilevel_coder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace zilvaro {

// The sharp pictures of the program folder, packed into one file beside bmp/:
// "bmp@2x.pack" (set by the build, which makes and installs the file under it).
inline constexpr const char* SharpPictureFileName = ZILVARO_SHARP_PICTURES_NAME;

// One picture to pack: a character and its one-bit BMP file.
struct PackedPicture {
    char32_t character = 0;
    QByteArray bmpFile;
};

// The pack of one-bit BMP files of one size (little-endian numbers):
//
//   "ZVPACK\r\n", version 1, the number of pictures, the length of the bytes every file
//   starts with (its headers and palette, the same in all), the bytes a row of pixels
//   takes, the rows; those first bytes; the coding model (BilevelModel::toBytes); for each
//   picture, by code point: the character, where its code starts after the index, the
//   code's length and the CRC-32 of its pixels; the codes (encodeBitRows).
//
// A pack gives back each file byte for byte. The model is trained on the pictures, unless
// one is given (the even odds of BilevelModel(), say, which code every pixel in one bit).
// Returns the pack, or an empty array and the cause in *error when a file is no one-bit
// BMP, does not start with the first file's headers, or a character comes twice.
QByteArray formatPicturePack(const std::vector<PackedPicture>& pictures, QString* error,
                             const std::optional<BilevelModel>& model = std::nullopt);

// A pack opened for reading. The file is mapped, not read: a lookup decodes one picture,
// so opening the pack costs its header and index, checked once.
class PicturePack {
public:
    // Opens and checks the pack: a file that is not a regular file, not a pack, of another
    // version, or whose index is out of order or points past the end is a Failure naming
    // the path and the cause.
    explicit PicturePack(const QString& path);
    ~PicturePack();
    PicturePack(const PicturePack&) = delete;
    PicturePack& operator=(const PicturePack&) = delete;

    int size() const { return count_; }
    // The characters the pack has pictures of, by code point.
    std::vector<char32_t> characters() const;
    QString path() const { return path_; }

    // The BMP file of the character as it was packed, or nothing when the pack has none. A
    // code that does not decode, or decodes to pixels of another checksum, is a Failure
    // naming the pack and the character.
    std::optional<QByteArray> bmpFile(char32_t character) const;

private:
    QString path_;
    QFile file_;
    const uchar* map_ = nullptr;
    qint64 size_ = 0;
    int count_ = 0;
    int rowBytes_ = 0;
    int rows_ = 0;
    QByteArray head_;
    BilevelModel model_;
    qint64 indexAt_ = 0;
    qint64 codesAt_ = 0;
};

} // namespace zilvaro

#include "lookup/picture_pack.h"

#include "core/failure.h"
#include "core/regular_file.h"
#include "lookup/decomposition_picture.h"

#include <QDir>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace zilvaro {

namespace {

constexpr char Magic[] = "ZVPACK\r\n";
constexpr int MagicSize = 8;
constexpr std::uint32_t Version = 1;
constexpr int FixedHeaderSize = MagicSize + 5 * 4; // magic, version, count, head, row, rows
constexpr int IndexEntrySize = 4 * 4;              // character, offset, length, CRC-32
constexpr int ModelSize = 2 * BilevelModel::Contexts;
// Limits far above any picture of the program, so a damaged count cannot ask for much.
constexpr std::uint32_t MaxPictures = 1 << 20;
constexpr std::uint32_t MaxHeadSize = 4096;
constexpr std::uint32_t MaxRowBytes = 512;
constexpr std::uint32_t MaxRows = 1024;

QString textOf(char32_t character) {
    return QString::fromUcs4(&character, 1);
}

std::uint32_t read32(const uchar* at) {
    return qFromLittleEndian<std::uint32_t>(at);
}

void append32(QByteArray& bytes, std::uint32_t value) {
    char little[4];
    qToLittleEndian(value, little);
    bytes.append(little, 4);
}

std::uint32_t crcOf(QByteArrayView bytes) {
    return static_cast<std::uint32_t>(crc32(crc32(0L, Z_NULL, 0),
                                            reinterpret_cast<const Bytef*>(bytes.data()),
                                            static_cast<uInt>(bytes.size())));
}

// Where a one-bit BMP file's pixels start and how they are laid out, or nothing when it is
// no such file.
struct BmpLayout {
    int pixelsAt = 0;
    int rowBytes = 0;
    int rows = 0;
};

std::optional<BmpLayout> oneBitLayout(const QByteArray& file) {
    const std::optional<BmpRowLayout> rows = bmpRowLayout(file);
    if (!rows || rows->bitsPerPixel != 1 || rows->compression != 0 || rows->width <= 0 ||
        rows->rows == 0 || rows->pixelsAt > MaxHeadSize || rows->rowBytes > MaxRowBytes ||
        rows->rows > MaxRows || file.size() != rows->pixelsAt + rows->rowBytes * rows->rows) {
        return std::nullopt;
    }
    return BmpLayout{static_cast<int>(rows->pixelsAt), static_cast<int>(rows->rowBytes),
                     static_cast<int>(rows->rows)};
}

} // namespace

QByteArray formatPicturePack(const std::vector<PackedPicture>& pictures, QString* error,
                             const std::optional<BilevelModel>& givenModel) {
    auto refuse = [&](const QString& cause) {
        *error = cause;
        return QByteArray();
    };
    if (pictures.empty()) {
        return refuse(QStringLiteral("there is no picture to pack"));
    }
    std::vector<const PackedPicture*> ordered;
    for (const PackedPicture& picture : pictures) {
        ordered.push_back(&picture);
    }
    std::sort(ordered.begin(), ordered.end(),
              [](const auto* a, const auto* b) { return a->character < b->character; });

    std::optional<BmpLayout> first;
    QByteArray head;
    std::vector<BitRows> rows;
    for (size_t i = 0; i < ordered.size(); ++i) {
        const PackedPicture& picture = *ordered[i];
        const QString name = textOf(picture.character);
        if (i > 0 && ordered[i - 1]->character == picture.character) {
            return refuse(QStringLiteral("%1 comes twice").arg(name));
        }
        const std::optional<BmpLayout> layout = oneBitLayout(picture.bmpFile);
        if (!layout) {
            return refuse(QStringLiteral("the picture of %1 is no one-bit BMP file").arg(name));
        }
        if (!first) {
            first = layout;
            head = picture.bmpFile.first(layout->pixelsAt);
        } else if (!picture.bmpFile.startsWith(head) || layout->pixelsAt != first->pixelsAt) {
            return refuse(QStringLiteral("the picture of %1 does not start with the headers of "
                                         "the picture of %2")
                              .arg(name, textOf(ordered.front()->character)));
        }
        rows.push_back(
            BitRows{layout->rowBytes, layout->rows, picture.bmpFile.sliced(layout->pixelsAt)});
    }

    const BilevelModel model = givenModel ? *givenModel : BilevelModel::trainedOn(rows);
    QByteArray index;
    QByteArray codes;
    for (size_t i = 0; i < ordered.size(); ++i) {
        const QByteArray code = encodeBitRows(rows[i], model);
        append32(index, ordered[i]->character);
        append32(index, static_cast<std::uint32_t>(codes.size()));
        append32(index, static_cast<std::uint32_t>(code.size()));
        append32(index, crcOf(rows[i].bits));
        codes += code;
    }

    QByteArray pack(Magic, MagicSize);
    append32(pack, Version);
    append32(pack, static_cast<std::uint32_t>(ordered.size()));
    append32(pack, static_cast<std::uint32_t>(head.size()));
    append32(pack, static_cast<std::uint32_t>(first->rowBytes));
    append32(pack, static_cast<std::uint32_t>(first->rows));
    pack += head;
    pack += model.toBytes();
    pack += index;
    pack += codes;
    return pack;
}

PicturePack::PicturePack(const QString& path) : path_(path), file_(path) {
    auto fail = [&](const QString& cause) {
        throw Failure(QStringLiteral("Cannot read the sharp pictures %1: %2")
                          .arg(QDir::toNativeSeparators(path), cause));
    };
    openRegularFile(file_, QStringLiteral("the sharp pictures"));
    size_ = file_.size();
    if (size_ < FixedHeaderSize) {
        fail(size_ == 0 ? QStringLiteral("it is empty") : QStringLiteral("it is cut short"));
    }
    map_ = file_.map(0, size_);
    if (map_ == nullptr) {
        fail(file_.errorString());
    }
    if (QByteArrayView(map_, MagicSize) != QByteArrayView(Magic, MagicSize)) {
        fail(QStringLiteral("it is no picture pack"));
    }
    const std::uint32_t version = read32(map_ + MagicSize);
    if (version != Version) {
        fail(
            QStringLiteral("it is a picture pack of version %1, not %2").arg(version).arg(Version));
    }
    const std::uint32_t count = read32(map_ + MagicSize + 4);
    const std::uint32_t headSize = read32(map_ + MagicSize + 8);
    const std::uint32_t rowBytes = read32(map_ + MagicSize + 12);
    const std::uint32_t rows = read32(map_ + MagicSize + 16);
    if (count > MaxPictures || headSize > MaxHeadSize || rowBytes == 0 || rowBytes > MaxRowBytes ||
        rows == 0 || rows > MaxRows) {
        fail(QStringLiteral("its header is damaged"));
    }
    count_ = static_cast<int>(count);
    rowBytes_ = static_cast<int>(rowBytes);
    rows_ = static_cast<int>(rows);
    const qint64 modelAt = FixedHeaderSize + qint64{headSize};
    indexAt_ = modelAt + ModelSize;
    codesAt_ = indexAt_ + qint64{count} * IndexEntrySize;
    if (codesAt_ > size_) {
        fail(QStringLiteral("it is cut short"));
    }
    head_ = QByteArray(reinterpret_cast<const char*>(map_ + FixedHeaderSize), headSize);
    const std::optional<BilevelModel> model =
        BilevelModel::fromBytes(QByteArrayView(map_ + modelAt, ModelSize));
    if (!model) {
        fail(QStringLiteral("its coding model is damaged"));
    }
    model_ = *model;
    const qint64 codesSize = size_ - codesAt_;
    std::uint32_t previous = 0;
    for (int i = 0; i < count_; ++i) {
        const uchar* entry = map_ + indexAt_ + qint64{i} * IndexEntrySize;
        const std::uint32_t character = read32(entry);
        if (i > 0 && character <= previous) {
            fail(QStringLiteral("its index is out of order at entry %1").arg(i + 1));
        }
        previous = character;
        if (qint64{read32(entry + 4)} + read32(entry + 8) > codesSize) {
            fail(QStringLiteral("entry %1 of its index points past its end").arg(i + 1));
        }
    }
}

PicturePack::~PicturePack() = default;

std::vector<char32_t> PicturePack::characters() const {
    std::vector<char32_t> all;
    for (int i = 0; i < count_; ++i) {
        all.push_back(read32(map_ + indexAt_ + qint64{i} * IndexEntrySize));
    }
    return all;
}

std::optional<QByteArray> PicturePack::bmpFile(char32_t character) const {
    int low = 0;
    int high = count_;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (read32(map_ + indexAt_ + qint64{middle} * IndexEntrySize) < character) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    const uchar* entry = map_ + indexAt_ + qint64{low} * IndexEntrySize;
    if (low == count_ || read32(entry) != character) {
        return std::nullopt;
    }
    const QByteArrayView code(map_ + codesAt_ + read32(entry + 4), read32(entry + 8));
    const std::optional<BitRows> rows = decodeBitRows(code, rowBytes_, rows_, model_);
    if (!rows || crcOf(rows->bits) != read32(entry + 12)) {
        throw Failure(QStringLiteral("Cannot read the sharp pictures %1: the picture of %2 is "
                                     "damaged")
                          .arg(QDir::toNativeSeparators(path()), textOf(character)));
    }
    return head_ + rows->bits;
}

} // namespace zilvaro

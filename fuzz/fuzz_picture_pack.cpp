// The sharp pictures' pack over arbitrary bytes, as the lookup reads it: opened and
// checked, then every picture it lists decoded and handed to the validating picture
// loader. Whatever the bytes, each step either fails with a Failure or gives a BMP file
// of the pack's rows, and decoding the same picture twice gives the same file.
//
// Input: a pack without its coding model, which would be 128 KB of every input: the
// harness puts the model of even odds in its place, after the header and the first bytes
// of the files, so the mutations go to the header, the index and the codes.
#include "core/failure.h"
#include "fuzz_check.h"
#include "lookup/decomposition_picture.h"
#include "lookup/picture_pack.h"
#include "memory_file.h"

#include <QtEndian>

#include <cstdint>

using namespace zilvaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t FixedHeader = 28;
    if (size < FixedHeader) {
        return 0;
    }
    const std::uint32_t headSize = qFromLittleEndian<std::uint32_t>(data + 16);
    const std::size_t modelAt = FixedHeader + std::min<std::size_t>(headSize, size - FixedHeader);
    QByteArray pack(reinterpret_cast<const char*>(data), static_cast<qsizetype>(modelAt));
    pack += BilevelModel().toBytes();
    pack.append(reinterpret_cast<const char*>(data + modelAt),
                static_cast<qsizetype>(size - modelAt));
    const MemoryFile memory(reinterpret_cast<const std::uint8_t*>(pack.constData()),
                            static_cast<std::size_t>(pack.size()));
    if (!memory.valid()) {
        return 0;
    }
    try {
        const PicturePack opened(memory.path());
        const std::vector<char32_t> characters = opened.characters();
        FUZZ_CHECK(static_cast<int>(characters.size()) == opened.size());
        const std::uint32_t rowBytes = qFromLittleEndian<std::uint32_t>(data + 20);
        const std::uint32_t rows = qFromLittleEndian<std::uint32_t>(data + 24);
        for (size_t i = 0; i < characters.size() && i < 8; ++i) {
            try {
                const std::optional<QByteArray> file = opened.bmpFile(characters[i]);
                FUZZ_CHECK(file.has_value());
                FUZZ_CHECK(file->size() == qint64{headSize} + qint64{rowBytes} * rows);
                FUZZ_CHECK(opened.bmpFile(characters[i]) == file);
                const QImage picture =
                    decodeDecompositionPicture(*file, QStringLiteral("fuzz"), SharpPictureSize);
                FUZZ_CHECK(picture.size() == SharpPictureSize);
            } catch (const Failure&) {
                // a damaged picture: refused by name
            }
        }
    } catch (const Failure&) {
        // not a pack the reader takes: refused by name
    }
    return 0;
}

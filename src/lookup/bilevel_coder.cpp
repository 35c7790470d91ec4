#include "lookup/bilevel_coder.h"

#include <algorithm>
#include <cmath>

namespace zilvaro {

namespace {

constexpr std::uint32_t Top = 1u << 24; // the range is renormalised below this

// The pixel at (x, y), 0 outside the picture.
int bitAt(const BitRows& rows, int x, int y) {
    if (x < 0 || y < 0 || x >= rows.width() || y >= rows.rows) {
        return 0;
    }
    return rows.bit(x, y);
}

// Walks a row from left to right and keeps the context of the pixel it stands on, taking
// one new pixel from each of the three rows at each step, so each pixel's context costs
// three reads. The pixels it reads lie before the current one in coding order, so the
// decoder can walk the rows it is filling in.
class ContextWalker {
public:
    ContextWalker(const BitRows& rows, int y)
        : width_(rows.width()), row_(rowOf(rows, y)), before_(rowOf(rows, y - 1)),
          twoBefore_(rowOf(rows, y - 2)) {
        // The window before pixel 0: pixels -4..-1 of this row (0), -4..+2 of the row
        // before, -3..+1 of the one before that; the first step shifts in +3 and +2.
        for (int dx = -3; dx <= 2; ++dx) {
            beforeBits_ = beforeBits_ << 1 | bitOf(before_, dx);
        }
        for (int dx = -2; dx <= 1; ++dx) {
            twoBeforeBits_ = twoBeforeBits_ << 1 | bitOf(twoBefore_, dx);
        }
    }

    // The context of pixel x, the pixels before x in this row being final; x goes up by
    // one from 0.
    std::uint32_t step(int x) {
        leftBits_ = (leftBits_ << 1 | bitOf(row_, x - 1)) & 0xf;
        beforeBits_ = (beforeBits_ << 1 | bitOf(before_, x + 3)) & 0x7f;
        twoBeforeBits_ = (twoBeforeBits_ << 1 | bitOf(twoBefore_, x + 2)) & 0x1f;
        return leftBits_ | beforeBits_ << 4 | twoBeforeBits_ << 11;
    }

private:
    // A row's bytes, or null for a row outside the picture.
    static const std::uint8_t* rowOf(const BitRows& rows, int y) {
        return y < 0 || y >= rows.rows
                   ? nullptr
                   : reinterpret_cast<const std::uint8_t*>(rows.bits.constData()) +
                         qsizetype{y} * rows.rowBytes;
    }
    std::uint32_t bitOf(const std::uint8_t* row, int x) const {
        return row != nullptr && x >= 0 && x < width_ ? (row[x >> 3] >> (7 - (x & 7))) & 1u : 0u;
    }

    int width_;
    const std::uint8_t* row_;
    const std::uint8_t* before_;
    const std::uint8_t* twoBefore_;
    std::uint32_t leftBits_ = 0;
    std::uint32_t beforeBits_ = 0;
    std::uint32_t twoBeforeBits_ = 0;
};

class RangeEncoder {
public:
    void encode(int bit, std::uint16_t zeroOdds) {
        const std::uint32_t bound = (range_ >> BilevelModel::ProbabilityBits) * zeroOdds;
        if (bit == 0) {
            range_ = bound;
        } else {
            low_ += bound;
            range_ -= bound;
        }
        while (range_ < Top) {
            range_ <<= 8;
            shiftLow();
        }
    }

    QByteArray finish() {
        for (int i = 0; i < 5; ++i) {
            shiftLow();
        }
        // The first byte is always 0: the decoder takes it as read.
        return out_.sliced(1);
    }

private:
    // Writes the byte that leaves the top of `low`, once a carry can no longer change it.
    void shiftLow() {
        if (static_cast<std::uint32_t>(low_) < 0xff000000u || (low_ >> 32) != 0) {
            const auto carry = static_cast<std::uint8_t>(low_ >> 32);
            std::uint8_t pending = cache_;
            do {
                out_.append(static_cast<char>(static_cast<std::uint8_t>(pending + carry)));
                pending = 0xff;
            } while (--cacheSize_ != 0);
            cache_ = static_cast<std::uint8_t>(low_ >> 24);
        }
        ++cacheSize_;
        low_ = (low_ & 0x00ffffffu) << 8;
    }

    std::uint64_t low_ = 0;
    std::uint32_t range_ = 0xffffffffu;
    std::uint8_t cache_ = 0;
    std::uint64_t cacheSize_ = 1;
    QByteArray out_;
};

class RangeDecoder {
public:
    explicit RangeDecoder(QByteArrayView code) : code_(code) {
        for (int i = 0; i < 4; ++i) {
            value_ = value_ << 8 | next();
        }
    }

    int decode(std::uint16_t zeroOdds) {
        const std::uint32_t bound = (range_ >> BilevelModel::ProbabilityBits) * zeroOdds;
        int bit = 0;
        if (value_ < bound) {
            range_ = bound;
        } else {
            value_ -= bound;
            range_ -= bound;
            bit = 1;
        }
        while (range_ < Top) {
            range_ <<= 8;
            value_ = value_ << 8 | next();
        }
        return bit;
    }

    // Whether the decoder read exactly the bytes of the code, as the encoder wrote them.
    bool readAll() const { return !overrun_ && read_ == code_.size(); }

private:
    std::uint32_t next() {
        if (read_ >= code_.size()) {
            overrun_ = true;
            return 0;
        }
        return static_cast<std::uint8_t>(code_[read_++]);
    }

    QByteArrayView code_;
    qsizetype read_ = 0;
    bool overrun_ = false;
    std::uint32_t value_ = 0;
    std::uint32_t range_ = 0xffffffffu;
};

constexpr std::uint16_t MaxOdds = (1 << BilevelModel::ProbabilityBits) - 1;

} // namespace

std::uint32_t BilevelModel::contextOf(const BitRows& rows, int x, int y) {
    std::uint32_t context = 0;
    int shift = 0;
    auto put = [&](int dx, int dy) {
        context |= std::uint32_t(bitAt(rows, x + dx, y + dy)) << shift++;
    };
    for (int dx = -1; dx >= -4; --dx) {
        put(dx, 0);
    }
    for (int dx = 3; dx >= -3; --dx) {
        put(dx, -1);
    }
    for (int dx = 2; dx >= -2; --dx) {
        put(dx, -2);
    }
    return context;
}

BilevelModel BilevelModel::trainedOn(const std::vector<BitRows>& pictures) {
    std::vector<std::uint32_t> zeros(Contexts, 0);
    std::vector<std::uint32_t> seen(Contexts, 0);
    for (const BitRows& picture : pictures) {
        for (int y = 0; y < picture.rows; ++y) {
            ContextWalker walker(picture, y);
            for (int x = 0; x < picture.width(); ++x) {
                const std::uint32_t context = walker.step(x);
                ++seen[context];
                zeros[context] += picture.bit(x, y) == 0 ? 1 : 0;
            }
        }
    }
    BilevelModel model;
    for (int c = 0; c < Contexts; ++c) {
        // Half a pixel of each kind added keeps the odds away from 0 and 1.
        const double share = (zeros[c] + 0.5) / (seen[c] + 1.0);
        const long odds = std::lround(share * (1 << ProbabilityBits));
        model.oddsOfZero[c] = static_cast<std::uint16_t>(std::clamp<long>(odds, 1, MaxOdds));
    }
    return model;
}

QByteArray BilevelModel::toBytes() const {
    QByteArray bytes;
    bytes.reserve(2 * Contexts);
    for (const std::uint16_t odds : oddsOfZero) {
        bytes.append(static_cast<char>(odds & 0xff));
        bytes.append(static_cast<char>(odds >> 8));
    }
    return bytes;
}

std::optional<BilevelModel> BilevelModel::fromBytes(QByteArrayView bytes) {
    if (bytes.size() != 2 * Contexts) {
        return std::nullopt;
    }
    BilevelModel model;
    for (int c = 0; c < Contexts; ++c) {
        const auto odds =
            static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[2 * c]) |
                                       static_cast<std::uint8_t>(bytes[2 * c + 1]) << 8);
        if (odds == 0 || odds > MaxOdds) {
            return std::nullopt;
        }
        model.oddsOfZero[c] = odds;
    }
    return model;
}

QByteArray encodeBitRows(const BitRows& picture, const BilevelModel& model) {
    RangeEncoder encoder;
    for (int y = 0; y < picture.rows; ++y) {
        ContextWalker walker(picture, y);
        for (int x = 0; x < picture.width(); ++x) {
            encoder.encode(picture.bit(x, y), model.zeroOdds(walker.step(x)));
        }
    }
    return encoder.finish();
}

std::optional<BitRows> decodeBitRows(QByteArrayView code, int rowBytes, int rows,
                                     const BilevelModel& model) {
    BitRows picture;
    picture.rowBytes = rowBytes;
    picture.rows = rows;
    picture.bits = QByteArray(qsizetype{rowBytes} * rows, '\0');
    RangeDecoder decoder(code);
    char* bits = picture.bits.data();
    for (int y = 0; y < rows; ++y) {
        ContextWalker walker(picture, y);
        for (int x = 0; x < picture.width(); ++x) {
            if (decoder.decode(model.zeroOdds(walker.step(x))) != 0) {
                bits[y * rowBytes + x / 8] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
    }
    if (!decoder.readAll()) {
        return std::nullopt;
    }
    return picture;
}

} // namespace zilvaro

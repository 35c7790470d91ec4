#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zilvaro {

// A one-bit picture as its rows of bits, most significant bit first, each row `rowBytes`
// long: the pixel array of a one-bit BMP file, padding bits included, in the order the
// file stores its rows.
struct BitRows {
    int rowBytes = 0;
    int rows = 0;
    QByteArray bits; // rowBytes x rows bytes

    int width() const { return rowBytes * 8; }
    bool bit(int x, int y) const {
        return (static_cast<std::uint8_t>(bits[y * rowBytes + x / 8]) >> (7 - x % 8)) & 1;
    }
};

// The odds of each pixel of an outline picture, by the sixteen pixels coded before it
// nearest to it: four to its left, seven in the row before, five in the row before that.
// Outlines are thin lines, so these neighbours tell most pixels before they are coded;
// trained once on all the pictures of a pack, the odds code a sharp picture in about a
// twentieth of its BMP file, where zlib or xz code each picture in about a sixth.
class BilevelModel {
public:
    static constexpr int ContextBits = 16;
    static constexpr int Contexts = 1 << ContextBits;
    static constexpr int ProbabilityBits = 12;
    static constexpr std::uint16_t Even = 1 << (ProbabilityBits - 1);

    BilevelModel() { oddsOfZero.fill(Even); }

    // Counts every pixel of every picture under its context and keeps, for each context,
    // the share of pixels that were 0 (never quite 0 or 1, so any picture stays codable).
    static BilevelModel trainedOn(const std::vector<BitRows>& pictures);

    // The model as 2 x Contexts little-endian bytes, and back; fromBytes refuses a table of
    // another size or with an odd out of 1 .. 2^ProbabilityBits - 1.
    QByteArray toBytes() const;
    static std::optional<BilevelModel> fromBytes(QByteArrayView bytes);

    // The odds, in 2^ProbabilityBits, that a pixel in this context is 0.
    std::uint16_t zeroOdds(std::uint32_t context) const { return oddsOfZero[context]; }

    // The context of pixel (x, y): the sixteen neighbours' bits, 0 outside the picture.
    static std::uint32_t contextOf(const BitRows& rows, int x, int y);

private:
    std::array<std::uint16_t, Contexts> oddsOfZero{};
};

// Codes the picture's bits with the model's odds by binary range coding.
QByteArray encodeBitRows(const BitRows& picture, const BilevelModel& model);

// Decodes a picture of rowBytes x rows coded by encodeBitRows with the same model.
// Returns nothing when the code ends before the picture does or leaves bytes unread:
// a damaged code is told, though a code damaged inside may still decode to other pixels
// (which is what a checksum beside the code is for).
std::optional<BitRows> decodeBitRows(QByteArrayView code, int rowBytes, int rows,
                                     const BilevelModel& model);

} // namespace zilvaro

#include "lookup/seed_list.h"

#include "core/blank_text.h"
#include "core/rounding.h"

namespace zilvaro {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads the piece's characters one by one, skipping blanks.
class PieceReader {
public:
    explicit PieceReader(QStringView text) : text_(text) {}
    QChar peek() {
        while (at_ < text_.size() && text_[at_] == u' ') {
            ++at_;
        }
        return at_ < text_.size() ? text_[at_] : QChar();
    }
    void take() { ++at_; }

private:
    QStringView text_;
    qsizetype at_ = 0;
};

} // namespace

std::int16_t readSeedNumber(QStringView piece) {
    PieceReader reader(piece);
    double sign = 1.0;
    if (reader.peek() == u'-' || reader.peek() == u'+') {
        sign = reader.peek() == u'-' ? -1.0 : 1.0;
        reader.take();
    }
    double value = 0.0;
    while (isDigit(reader.peek())) {
        value = value * 10.0 + (reader.peek().unicode() - u'0');
        reader.take();
    }
    if (reader.peek() == u'.') {
        reader.take();
        double scale = 0.1;
        while (isDigit(reader.peek())) {
            value += scale * (reader.peek().unicode() - u'0');
            scale /= 10.0;
            reader.take();
        }
    }
    return toInt16(sign * value);
}

std::vector<SeedPoint> seedPoints(QStringView seedList) {
    const QStringView s = trimTrailingBlanks(seedList);
    const std::int32_t n = toInt32(static_cast<double>(s.size()) / SeedWidth);
    auto piece = [&](qsizetype from) {
        return from >= s.size()
                   ? QStringView()
                   : s.sliced(from).first(std::min<qsizetype>(SeedNumberWidth, s.size() - from));
    };
    std::vector<SeedPoint> points;
    points.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 1; i <= n; ++i) {
        points.push_back({readSeedNumber(piece(SeedWidth * (i - 1))),
                          readSeedNumber(piece(SeedWidth * (i - 1) + SeedNumberWidth))});
    }
    return points;
}

std::optional<QString> formatSeedList(const std::vector<SeedPoint>& seeds) {
    if (seeds.size() > static_cast<std::size_t>(MaxSeeds)) {
        return std::nullopt;
    }
    const auto fits = [](std::int16_t n) { return n >= -999 && n <= 9999; };
    QString list;
    for (const SeedPoint& seed : seeds) {
        if (!fits(seed.x) || !fits(seed.y)) {
            return std::nullopt;
        }
        list += QStringLiteral("%1%2").arg(seed.x, SeedNumberWidth).arg(seed.y, SeedNumberWidth);
    }
    return list;
}

} // namespace zilvaro

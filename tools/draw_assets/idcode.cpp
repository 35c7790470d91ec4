#include "drawing.h"

#include "lookup/decomposition_picture.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace draw_assets {

namespace {

// What one identification-code picture shows: the structure at the top, the stroke
// symbol in the circle (a glyph, drawn `copies` times side by side), the caption below.
struct IdentificationCode {
    const char* structure;
    const char* symbol;
    int copies;
    const char* caption;
};

// Pictures 0..15, for the keys g f d h j k t r e y u i n b v l.
const std::array<IdentificationCode, 16> kCodes = {{
    {"左右型", "一", 1, "最后一笔为横"},
    {"上下型", "二", 1, "最后一笔为横"},
    {"杂合型", "三", 1, "最后一笔为横"},
    {"左右型", "丨", 1, "最后一笔为竖"},
    {"上下型", "丨", 2, "最后一笔为竖"},
    {"杂合型", "川", 1, "最后一笔为竖"},
    {"左右型", "丿", 1, "最后一笔为撇"},
    {"上下型", "丿", 2, "最后一笔为撇"},
    {"杂合型", "彡", 1, "最后一笔为撇"},
    {"左右型", "丶", 1, "最后一笔为捺"},
    {"上下型", "冫", 1, "最后一笔为捺"},
    {"杂合型", "氵", 1, "最后一笔为捺"},
    {"左右型", "乙", 1, "最后一笔为折"},
    {"上下型", "巜", 1, "最后一笔为乙"},
    {"杂合型", "巛", 1, "最后一笔为乙"},
    {"硬性规定", "L", 1, "5个单笔画最后两码"},
}};

// Text drawn without smoothing, so that it stays sharp in two colours.
QFont monoFont(int pixelSize, bool bold = false) {
    QFont font = songFont(pixelSize, bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The symbol's outline, centred on the origin.
QPainterPath symbolPath(const IdentificationCode& code) {
    QFont font;
    if (QLatin1String(code.symbol) == QLatin1String("L")) {
        font.setFamilies({QStringLiteral("DejaVu Serif")});
        font.setPixelSize(34);
        font.setBold(true);
    } else {
        font = songFont(40);
    }
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString::fromUtf8(code.symbol));
    const QRectF one = glyph.boundingRect();
    QPainterPath path;
    const qreal gap = 6.0;
    for (int i = 0; i < code.copies; ++i) {
        path.addPath(glyph.translated(i * (one.width() + gap), 0));
    }
    return path.translated(-path.boundingRect().center());
}

} // namespace

QImage drawIdentificationCode(int index, int scale) {
    const IdentificationCode& code = kCodes.at(static_cast<size_t>(index));
    // The size of a decomposition picture; picture 13 is one row shorter, as it always was.
    const int width = zilvaro::DecompositionPictureSize.width();
    const int height = zilvaro::DecompositionPictureSize.height() - (index == 13 ? 1 : 0);
    QImage canvas(width * scale, height * scale, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    p.setPen(Qt::black);
    // Text is set in fonts of the scaled size (a scaled painter would lose the bold);
    // circle and symbol are drawn in the picture's own pixels and scaled.
    const auto scaled = [&](int x, int y, int w, int h) {
        return QRect(x * scale, y * scale, w * scale, h * scale);
    };

    const QString caption = QString::fromUtf8(code.caption);
    p.setFont(monoFont(16 * scale, true));
    p.drawText(scaled(0, 4, width, 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromUtf8(code.structure));

    p.save();
    p.scale(scale, scale);
    const QPointF centre(width / 2.0, 52.5);
    p.setPen(QPen(Qt::black, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 24.0, 24.0);

    p.setPen(QPen(Qt::black, 1.4));
    p.setBrush(Qt::black);
    p.drawPath(symbolPath(code).translated(centre));
    p.restore();

    p.setFont(monoFont((caption.size() > 6 ? 12 : 15) * scale));
    p.drawText(scaled(0, height - 28, width, 20), Qt::AlignHCenter | Qt::AlignVCenter, caption);
    p.end();
    return canvas.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
}

} // namespace draw_assets

#include "svg_path.h"

#include "common/data_error.h"

#include <QPointF>

namespace zilvaro::build {

using tools::DataError;

namespace {

class PathReader {
public:
    explicit PathReader(QStringView text) : text_(text) {}

    void skipSeparators() {
        while (pos_ < text_.size() && (text_[pos_].isSpace() || text_[pos_] == u',')) {
            ++pos_;
        }
    }

    bool atEnd() {
        skipSeparators();
        return pos_ >= text_.size();
    }

    // True when the next item is a number (so the current command repeats).
    bool numberFollows() {
        skipSeparators();
        if (pos_ >= text_.size()) {
            return false;
        }
        const QChar c = text_[pos_];
        return c.isDigit() || c == u'-' || c == u'+' || c == u'.';
    }

    QChar command() {
        skipSeparators();
        return text_[pos_++];
    }

    double number() {
        skipSeparators();
        const qsizetype start = pos_;
        if (pos_ < text_.size() && (text_[pos_] == u'-' || text_[pos_] == u'+')) {
            ++pos_;
        }
        while (pos_ < text_.size() && (text_[pos_].isDigit() || text_[pos_] == u'.' ||
                                       text_[pos_] == u'e' || text_[pos_] == u'E')) {
            ++pos_;
        }
        bool ok = false;
        const double value = text_.mid(start, pos_ - start).toDouble(&ok);
        if (!ok) {
            throw DataError(
                QStringLiteral("path: a number is expected at position %1").arg(start + 1));
        }
        return value;
    }

    QPointF point() {
        const double x = number();
        const double y = number();
        return {x, y};
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace

QPainterPath parseSvgPath(QStringView text) {
    PathReader reader(text);
    QPainterPath path;
    bool started = false;
    while (!reader.atEnd()) {
        const QChar c = reader.command();
        if (!started && c != u'M') {
            throw DataError(QStringLiteral("path: it must start with M, not '%1'").arg(c));
        }
        switch (c.unicode()) {
        case u'M':
            path.moveTo(reader.point());
            started = true;
            while (reader.numberFollows()) {
                path.lineTo(reader.point());
            }
            break;
        case u'L':
            do {
                path.lineTo(reader.point());
            } while (reader.numberFollows());
            break;
        case u'Q':
            do {
                const QPointF control = reader.point();
                path.quadTo(control, reader.point());
            } while (reader.numberFollows());
            break;
        case u'C':
            do {
                const QPointF first = reader.point();
                const QPointF second = reader.point();
                path.cubicTo(first, second, reader.point());
            } while (reader.numberFollows());
            break;
        case u'Z':
        case u'z':
            path.closeSubpath();
            break;
        default:
            throw DataError(QStringLiteral("path: unsupported command '%1'").arg(c));
        }
    }
    if (!started) {
        throw DataError(QStringLiteral("path: it is empty"));
    }
    return path;
}

} // namespace zilvaro::build

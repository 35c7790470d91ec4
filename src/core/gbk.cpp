#include "core/gbk.h"

#include "core/code_points.h"
#include "core/failure.h"

#include <QStringList>

#include <cerrno>
#include <iconv.h>

namespace zilvaro {

namespace {

// One converter per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw Failure(QStringLiteral("iconv cannot convert from %1 to %2")
                              .arg(QLatin1String(from), QLatin1String(to)));
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of input; returns false at the first byte sequence that cannot be
    // converted, with in/inLeft pointing at it.
    bool convert(char*& in, size_t& inLeft, QByteArray& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr); // reset shift state
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
            if (result == static_cast<size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        return true;
    }

private:
    iconv_t handle_;
};

Converter& decoder() {
    thread_local Converter converter("UTF-16LE", "CP936");
    return converter;
}

Converter& encoder() {
    thread_local Converter converter("CP936", "UTF-16LE");
    return converter;
}

} // namespace

QString fromGbk(QByteArrayView bytes) {
    QByteArray utf16;
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (!decoder().convert(in, inLeft, utf16)) {
        // Invalid or incomplete sequence: one replacement character, skip one byte.
        const char16_t replacement = u'\uFFFD';
        utf16.append(reinterpret_cast<const char*>(&replacement), 2);
        ++in;
        --inLeft;
    }
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

std::optional<QByteArray> toGbk(QStringView text) {
    QByteArray gbk;
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    size_t inLeft = static_cast<size_t>(text.size()) * 2;
    if (!encoder().convert(in, inLeft, gbk)) {
        return std::nullopt;
    }
    return gbk;
}

QString firstCharacter(QStringView text) {
    if (text.isEmpty()) {
        return {};
    }
    return text.left(unitPositionOf(text, 1)).toString();
}

qsizetype characterCount(QStringView text) {
    return characterIndexOf(text, static_cast<int>(text.size()));
}

QStringList characters(QStringView text) {
    QStringList result;
    while (!text.isEmpty()) {
        const QString one = firstCharacter(text);
        result.append(one);
        text = text.mid(one.size());
    }
    return result;
}

int characterKey(QStringView text) {
    const QString first = firstCharacter(text);
    if (first.isEmpty()) {
        return NoKey;
    }
    const std::optional<QByteArray> code = toGbk(first);
    if (!code || code->isEmpty() || code->size() > 2) {
        return NoKey;
    }
    if (code->size() == 1) {
        return static_cast<unsigned char>(code->at(0));
    }
    const unsigned value =
        (static_cast<unsigned char>(code->at(0)) << 8) | static_cast<unsigned char>(code->at(1));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

bool isDoubleByte(QStringView text) {
    const QString first = firstCharacter(text);
    if (first.isEmpty()) {
        return false;
    }
    const std::optional<QByteArray> code = toGbk(first);
    return code && code->size() == 2 && (static_cast<unsigned char>(code->at(0)) & 0x80);
}

} // namespace zilvaro

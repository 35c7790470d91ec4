#include "core/error_output.h"

#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace zilvaro {

namespace {

// The character set the environment's locale names, read without touching the
// program's own locale.
QByteArray environmentCodeset() {
    const locale_t environment = ::newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (environment == static_cast<locale_t>(nullptr)) {
        return QByteArrayLiteral("UTF-8");
    }
    const QByteArray codeset = ::nl_langinfo_l(CODESET, environment);
    ::freelocale(environment);
    return codeset.isEmpty() ? QByteArrayLiteral("UTF-8") : codeset;
}

} // namespace

QByteArray toLocaleEncoding(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const QByteArray codeset = environmentCodeset();
    if (codeset == "UTF-8" || codeset == "utf8") {
        return utf8;
    }
    const iconv_t converter = ::iconv_open(codeset.constData(), "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return utf8;
    }
    QByteArray out;
    QByteArray in = utf8;
    char* from = in.data();
    size_t fromLeft = static_cast<size_t>(in.size());
    char buffer[512];
    while (fromLeft > 0) {
        char* to = buffer;
        size_t toLeft = sizeof buffer;
        const size_t result = ::iconv(converter, &from, &fromLeft, &to, &toLeft);
        out.append(buffer, static_cast<qsizetype>(to - buffer));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            // A character the set lacks (or a broken sequence): one "?" for the whole
            // UTF-8 sequence, and on.
            out.append('?');
            do {
                ++from;
                --fromLeft;
            } while (fromLeft > 0 && (static_cast<unsigned char>(*from) & 0xC0) == 0x80);
        }
    }
    char* to = buffer;
    size_t toLeft = sizeof buffer;
    ::iconv(converter, nullptr, nullptr, &to, &toLeft); // the closing shift, if any
    out.append(buffer, static_cast<qsizetype>(to - buffer));
    ::iconv_close(converter);
    return out;
}

void writeErrorLine(const QString& line) {
    const QByteArray bytes = toLocaleEncoding(line) + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace zilvaro

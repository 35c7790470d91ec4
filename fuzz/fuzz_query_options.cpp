// zilvaro-query's command line over arbitrary arguments and standard input: the parser
// either accepts the arguments or says why not, and the program answers from a small
// program folder with a status of 0, 1 or 2, never crashing.
#include "core/gbk.h"
#include "data/character_record.h"
#include "data/character_tables.h"
#include "data/record_file.h"
#include "data/root_file.h"
#include "fuzz_check.h"
#include "query/code_pattern.h"
#include "query/query_options.h"
#include "query/query_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdint>

using namespace zilvaro;

namespace {

// A program folder of three characters, written once.
const QString& programFolder() {
    static QTemporaryDir dir;
    static const bool written = [] {
        QFile records(recordFilePath(dir.path()));
        QFile roots(dir.filePath(QLatin1String(RootFileName)));
        if (!records.open(QIODevice::WriteOnly) || !roots.open(QIODevice::WriteOnly)) {
            return false;
        }
        // In code order: 国 B9FA, 中 D6D0, 字 D7D6.
        const std::vector<RootEntry> entries = {
            {u"国"_qs,
             u"compound"_qs,
             6,
             u'i',
             {{u'l', u"囗"_qs}, {u'g', u"王"_qs}, {u'y', u"丶"_qs}}},
            {u"中"_qs, u"compound"_qs, 5, u'k', {{u'k', u"口"_qs}, {u'h', u"丨"_qs}}},
            {u"字"_qs, u"compound"_qs, 0, u'f', {{u'p', u"宀"_qs}, {u'b', u"子"_qs}}},
        };
        for (const RootEntry& e : entries) {
            // The full codes the program carries, as a build writes them.
            const QString full = wubiCodes(e.character).last();
            const CharacterRecord record{e.character, full, {}, full, {}, {}, {}, {}};
            records.write(record.encode().value());
        }
        roots.write(formatRootFile(entries));
        return true;
    }();
    FUZZ_CHECK(written);
    static const QString path = dir.path();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    // The arguments are the input's lines before the first NUL byte; standard input is
    // what follows it.
    const qsizetype nul = bytes.indexOf('\0');
    const QString argumentText = QString::fromUtf8(nul < 0 ? bytes : bytes.first(nul));
    QString input = nul < 0 ? QString() : QString::fromUtf8(bytes.sliced(nul + 1));
    QStringList arguments = argumentText.split(u'\n');
    if (arguments.size() > 64) {
        arguments = arguments.mid(0, 64);
    }
    arguments.prepend(QStringLiteral("zilvaro-query"));

    const query::ParsedOptions parsed = query::parseQueryOptions(arguments);
    FUZZ_CHECK(parsed.options.has_value() != !parsed.error.isEmpty());
    if (parsed.options) {
        for (const QString& code : parsed.options->codes) {
            FUZZ_CHECK(query::CodePattern::parse(code).has_value());
        }
        FUZZ_CHECK(parsed.options->limit == -1 || parsed.options->limit >= 1);
        // No folder of the fuzzer's choosing: the one made up here.
        if (!parsed.options->programDir.isEmpty()) {
            return 0;
        }
    }

    QString outText;
    QString errText;
    QTextStream in(&input);
    QTextStream out(&outText);
    QTextStream err(&errText);
    const int status = query::runQuery(arguments, in, out, err, programFolder());
    FUZZ_CHECK(status == query::ExitFound || status == query::ExitNotFound ||
               status == query::ExitUsage);
    FUZZ_CHECK((status == query::ExitUsage) == !parsed.options.has_value());
    // Only a wrong command line or a missing character makes the status; the data is sound.
    FUZZ_CHECK(status != query::ExitNotFound || errText.isEmpty());
    return 0;
}

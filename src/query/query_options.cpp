#include "query/query_options.h"

#include "query/code_pattern.h"
#include "query/text_walk.h"

#include <QCommandLineParser>

namespace zilvaro::query {

bool QueryOptions::readsInput() const {
    if (texts.isEmpty()) {
        return words.isEmpty() && codes.isEmpty();
    }
    return texts.contains(QStringLiteral("-"));
}

QString usageText() {
    return QStringLiteral(
        "Usage: zilvaro-query [--unique] [--json] [--quiet] [--program-dir DIR] [TEXT...]\n"
        "       zilvaro-query [--word WORD]... [--code CODE]... [--limit N] [--json]\n"
        "Try 'zilvaro-query --help' for more.\n");
}

QString helpText() {
    return QStringLiteral(
        "Usage: zilvaro-query [OPTION]... [TEXT...]\n"
        "Shows the Wubi 86 codes of every Chinese character of TEXT (or of the lines of\n"
        "standard input when no TEXT is given or TEXT is -): one line per character with\n"
        "its full code, its short code, its roots with their keys and its readings.\n"
        "\n"
        "  --unique          show each character once\n"
        "  --word WORD       the code of a word of two or more characters\n"
        "  --code CODE       the characters whose code is CODE or begins with it, the more\n"
        "                    frequent first; z stands for any key\n"
        "  --limit N         at most N characters for each --code\n"
        "  --json            one JSON object a line\n"
        "  --quiet           exit 0 even where a character or code has no entry\n"
        "  --program-dir DIR read the data in DIR instead of the installed program folder\n"
        "  -h, --help        show this help\n"
        "  --version         show the version\n"
        "\n"
        "Exit status: 0 when every character and code was found, 1 when some were not or\n"
        "when the data cannot be read, 2 with a wrong command line. See zilvaro-query(1).\n");
}

ParsedOptions parseQueryOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption unique(QStringLiteral("unique"));
    const QCommandLineOption word(QStringLiteral("word"), QString(), QStringLiteral("WORD"));
    const QCommandLineOption code(QStringLiteral("code"), QString(), QStringLiteral("CODE"));
    const QCommandLineOption limit(QStringLiteral("limit"), QString(), QStringLiteral("N"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption quiet(QStringLiteral("quiet"));
    const QCommandLineOption programDir(QStringLiteral("program-dir"), QString(),
                                        QStringLiteral("DIR"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({unique, word, code, limit, json, quiet, programDir, help, version});
    parser.addPositionalArgument(QStringLiteral("TEXT"), QString());

    ParsedOptions parsed;
    const auto fail = [&](const QString& why) {
        parsed.error = why;
        return parsed;
    };
    QStringList args = arguments;
    if (args.isEmpty()) {
        args.append(QStringLiteral("zilvaro-query"));
    }
    if (!parser.parse(args)) {
        return fail(parser.errorText());
    }
    QueryOptions o;
    o.help = parser.isSet(help);
    o.version = parser.isSet(version);
    o.unique = parser.isSet(unique);
    o.json = parser.isSet(json);
    o.quiet = parser.isSet(quiet);
    o.texts = parser.positionalArguments();
    o.words = parser.values(word);
    if (parser.isSet(programDir)) {
        o.programDir = parser.value(programDir);
        if (o.programDir.isEmpty()) {
            return fail(QStringLiteral("--program-dir needs a folder"));
        }
    }
    for (const QString& text : parser.values(code)) {
        const std::optional<CodePattern> pattern = CodePattern::parse(text);
        if (!pattern) {
            return fail(
                QStringLiteral("\"%1\" is no code: a code is one to four letters a-z").arg(text));
        }
        o.codes.append(pattern->text());
    }
    for (const QString& text : o.words) {
        if (chineseCharacters(text).size() < 2) {
            return fail(QStringLiteral("\"%1\" is no word: a word has two Chinese characters "
                                       "or more")
                            .arg(text));
        }
    }
    if (parser.isSet(limit)) {
        bool ok = false;
        o.limit = parser.value(limit).toInt(&ok);
        if (!ok || o.limit < 1) {
            return fail(QStringLiteral("--limit needs a whole number of 1 or more, not \"%1\"")
                            .arg(parser.value(limit)));
        }
        if (o.codes.isEmpty()) {
            return fail(QStringLiteral("--limit goes with --code"));
        }
    }
    if (!o.texts.isEmpty() && (!o.words.isEmpty() || !o.codes.isEmpty())) {
        return fail(QStringLiteral("TEXT cannot be given with --word or --code"));
    }
    parsed.options = o;
    return parsed;
}

} // namespace zilvaro::query

#include "query/query_run.h"

#include "core/failure.h"
#include "query/answer_format.h"
#include "query/query_data.h"
#include "query/query_options.h"
#include "query/text_walk.h"
#include "query/word_code.h"
#include "zilvaro_version.h"

#include <QSet>

namespace zilvaro::query {

namespace {

// Answers the characters of the texts one line each; false when one had no entry.
bool answerTexts(const QueryData& data, const QueryOptions& o, QTextStream& in, QTextStream& out) {
    bool allFound = true;
    QSet<QString> seen;
    const auto answer = [&](const QString& text) {
        for (const QString& c : chineseCharacters(text)) {
            if (o.unique) {
                if (seen.contains(c)) {
                    continue;
                }
                seen.insert(c);
            }
            if (const CharacterFacts* f = data.find(c)) {
                out << (o.json ? characterJson(*f) : characterLine(*f)) << '\n';
            } else {
                allFound = false;
                out << (o.json ? missingJson(c) : missingLine(c)) << '\n';
            }
        }
    };
    const auto answerInput = [&] {
        QString line;
        while (in.readLineInto(&line)) {
            answer(line);
        }
    };
    if (o.texts.isEmpty()) {
        answerInput();
    }
    for (const QString& text : o.texts) {
        if (text == u"-") {
            answerInput();
        } else {
            answer(text);
        }
    }
    return allFound;
}

bool answerWords(const QueryData& data, const QueryOptions& o, QTextStream& out) {
    bool allFound = true;
    for (const QString& word : o.words) {
        QList<const CharacterFacts*> characters;
        QStringList codes;
        QString text;
        const std::vector<QString> letters = chineseCharacters(word);
        for (const QString& c : letters) {
            text += c;
            if (const CharacterFacts* f = data.find(c)) {
                characters.append(f);
                codes.append(f->fullCode);
            } else {
                allFound = false;
                out << (o.json ? missingJson(c) : missingLine(c)) << '\n';
            }
        }
        if (size_t(characters.size()) == letters.size()) {
            const QString code = wordCode(codes);
            out << (o.json ? wordJson(text, code, characters) : wordLine(text, code, characters))
                << '\n';
        }
    }
    return allFound;
}

bool answerCodes(const QueryData& data, const QueryOptions& o, QTextStream& out) {
    bool allFound = true;
    for (const QString& text : o.codes) {
        const std::vector<CodeHit> hits = data.byCode(*CodePattern::parse(text), o.limit);
        if (hits.empty()) {
            allFound = false;
            out << (o.json ? codeMissJson(text) : codeMissLine(text)) << '\n';
        }
        for (const CodeHit& hit : hits) {
            out << (o.json ? codeHitJson(text, hit) : codeHitLine(text, hit)) << '\n';
        }
    }
    return allFound;
}

} // namespace

void readAsUtf8(QTextStream& in) {
    in.setEncoding(QStringConverter::Utf8);
    in.setAutoDetectUnicode(false);
}

int runQuery(const QStringList& arguments, QTextStream& in, QTextStream& out, QTextStream& err,
             const QString& installedDir) {
    const ParsedOptions parsed = parseQueryOptions(arguments);
    if (!parsed.options) {
        err << "zilvaro-query: " << parsed.error << '\n' << usageText();
        err.flush();
        return ExitUsage;
    }
    const QueryOptions& o = *parsed.options;
    if (o.help) {
        out << helpText();
        out.flush();
        return ExitFound;
    }
    if (o.version) {
        out << "zilvaro-query " << ZILVARO_VERSION << '\n';
        out.flush();
        return ExitFound;
    }
    bool allFound = true;
    try {
        const QueryData data =
            QueryData::load(o.programDir.isEmpty() ? installedDir : o.programDir);
        if (!o.words.isEmpty() || !o.codes.isEmpty()) {
            allFound = answerWords(data, o, out);
            allFound = answerCodes(data, o, out) && allFound;
        } else {
            allFound = answerTexts(data, o, in, out);
        }
    } catch (const Failure& failure) {
        out.flush();
        err << "zilvaro-query: " << failure.message() << '\n';
        err.flush();
        return ExitNotFound;
    }
    out.flush();
    return allFound || o.quiet ? ExitFound : ExitNotFound;
}

} // namespace zilvaro::query

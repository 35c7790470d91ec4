// zilvaro-query's walk over a text and its answers: every character it keeps is one
// Chinese character of the text, in order, and every answer is one line of text or one
// JSON object that reads back.
#include "fuzz_check.h"
#include "query/answer_format.h"
#include "query/query_data.h"
#include "query/text_walk.h"
#include "query/word_code.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>

using namespace zilvaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);

    const std::vector<QString> found = query::chineseCharacters(text);
    qsizetype from = 0;
    QStringList fullCodes;
    for (const QString& c : found) {
        FUZZ_CHECK(c.size() == 1 || (c.size() == 2 && c[0].isHighSurrogate()));
        FUZZ_CHECK(query::isChineseCharacter(c.toUcs4().value(0)));
        const qsizetype at = text.indexOf(c, from);
        FUZZ_CHECK(at >= from); // in order
        from = at + c.size();

        // An answer made of whatever the text holds.
        query::CharacterFacts facts;
        facts.character = c;
        facts.fullCode = text.mid(at, 4);
        facts.shortCodes = text.mid(0, 3).split(u',');
        facts.roots = {c, u"compound"_qs, int(at), c[0], {{u'a', text.mid(at, 3)}}};
        facts.readings = text.left(8).split(u'/');
        const QString line = query::characterLine(facts);
        FUZZ_CHECK(line.startsWith(c));
        const QJsonObject object =
            QJsonDocument::fromJson(query::characterJson(facts).toUtf8()).object();
        FUZZ_CHECK(object.value(u"character").toString() == c);
        FUZZ_CHECK(object.value(u"full_code").toString() == facts.fullCode);
        FUZZ_CHECK(query::missingLine(c).startsWith(c));
        fullCodes << facts.fullCode;
    }
    const QString word = query::wordCode(fullCodes);
    FUZZ_CHECK(word.size() <= 4);
    FUZZ_CHECK(fullCodes.size() >= 2 || word.isEmpty());
    FUZZ_CHECK(query::displayWidth(text) >= 0);
    return 0;
}

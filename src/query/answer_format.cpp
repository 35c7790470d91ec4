#include "query/answer_format.h"

#include "data/single_strokes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zilvaro::query {

namespace {

// Roots wider than this push the readings along; most lines keep them in one column.
constexpr int RootColumnWidth = 26;

bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

QString padded(const QString& text, int width) {
    const int missing = width - displayWidth(text);
    return missing > 0 ? text + QString(missing, u' ') : text;
}

// The character of a stroke class's key: g h t y n are 一 丨 丿 丶 乙.
QString strokeOfKey(QChar key) {
    const QString stroke = singleStrokeOfKey(key);
    return stroke.isEmpty() ? QStringLiteral("?") : stroke;
}

// The parts of the code in order, each "name key".
QStringList codeParts(const CharacterFacts& f) {
    QStringList parts;
    const RootEntry& r = f.roots;
    if (r.kind == u"key") {
        parts << QStringLiteral("键名") << r.roots.front().name + u' ' + r.roots.front().key;
    } else if (r.kind == u"stroke") {
        parts << QStringLiteral("单笔画") << r.roots.front().name + u' ' + r.roots.front().key;
    } else if (r.kind == u"root") {
        parts << QStringLiteral("成字字根") << r.roots.front().name + u' ' + r.roots.front().key;
        for (const QChar key :
             QStringView(f.fullCode).sliced(std::min<qsizetype>(1, f.fullCode.size()))) {
            parts << strokeOfKey(key) + u' ' + key;
        }
    } else {
        for (const RootEntry::Root& root : r.roots) {
            parts << root.name + u' ' + root.key;
        }
        if (!r.identification.isNull()) {
            parts << QStringLiteral("识别码 ") + r.identification;
        }
    }
    return parts;
}

QJsonObject characterObject(const CharacterFacts& f) {
    QJsonObject o;
    o.insert(QStringLiteral("character"), f.character);
    o.insert(QStringLiteral("found"), true);
    o.insert(QStringLiteral("full_code"), f.fullCode);
    o.insert(QStringLiteral("short_codes"), QJsonArray::fromStringList(f.shortCodes));
    o.insert(QStringLiteral("kind"), f.roots.kind);
    QJsonArray roots;
    for (const RootEntry::Root& root : f.roots.roots) {
        roots.append(QJsonObject{{QStringLiteral("root"), root.name},
                                 {QStringLiteral("key"), QString(root.key)}});
    }
    o.insert(QStringLiteral("roots"), roots);
    if (!f.roots.identification.isNull()) {
        o.insert(QStringLiteral("identification_code"), QString(f.roots.identification));
    }
    o.insert(QStringLiteral("readings"), QJsonArray::fromStringList(f.readings));
    if (f.roots.frequencyRank > 0) {
        o.insert(QStringLiteral("frequency_rank"), f.roots.frequencyRank);
    }
    return o;
}

QString compact(const QJsonObject& o) {
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

} // namespace

int displayWidth(QStringView text) {
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        width += isWide(c) ? 2 : 1;
    }
    return width;
}

QString characterLine(const CharacterFacts& f) {
    const QString shortCode =
        f.shortCodes.isEmpty() ? QStringLiteral("-") : f.shortCodes.join(u',');
    QString line = padded(f.character, 2) + QStringLiteral("  ") + padded(f.fullCode, 4) +
                   QStringLiteral("  ") + padded(shortCode, 6) + QStringLiteral("  ");
    const QString parts = codeParts(f).join(QStringLiteral("  "));
    line += padded(parts, RootColumnWidth) + QStringLiteral("  ");
    line += f.readings.isEmpty() ? QStringLiteral("-") : f.readings.join(u'/');
    return line;
}

QString characterJson(const CharacterFacts& f) {
    return compact(characterObject(f));
}

QString missingLine(const QString& character) {
    return padded(character, 2) + QStringLiteral("  没有这个字的编码");
}

QString missingJson(const QString& character) {
    return compact(
        QJsonObject{{QStringLiteral("character"), character}, {QStringLiteral("found"), false}});
}

QString codeHitLine(const QString& code, const CodeHit& hit) {
    return padded(code, 4) + (hit.exact ? QStringLiteral("  = ") : QStringLiteral("  … ")) +
           characterLine(*hit.facts);
}

QString codeHitJson(const QString& code, const CodeHit& hit) {
    QJsonObject o = characterObject(*hit.facts);
    o.insert(QStringLiteral("query_code"), code);
    o.insert(QStringLiteral("match"),
             hit.exact ? QStringLiteral("exact") : QStringLiteral("prefix"));
    return compact(o);
}

QString codeMissLine(const QString& code) {
    return padded(code, 4) + QStringLiteral("  没有这个编码的字");
}

QString codeMissJson(const QString& code) {
    return compact(
        QJsonObject{{QStringLiteral("query_code"), code}, {QStringLiteral("found"), false}});
}

QString wordLine(const QString& word, const QString& code,
                 const QList<const CharacterFacts*>& characters) {
    QStringList parts;
    for (const CharacterFacts* f : characters) {
        parts << f->character + u' ' + f->fullCode;
    }
    return word + QStringLiteral("  ") + padded(code, 4) + QStringLiteral("  ") +
           parts.join(QStringLiteral("  "));
}

QString wordJson(const QString& word, const QString& code,
                 const QList<const CharacterFacts*>& characters) {
    QJsonArray list;
    for (const CharacterFacts* f : characters) {
        list.append(QJsonObject{{QStringLiteral("character"), f->character},
                                {QStringLiteral("full_code"), f->fullCode}});
    }
    return compact(QJsonObject{{QStringLiteral("word"), word},
                               {QStringLiteral("found"), true},
                               {QStringLiteral("code"), code},
                               {QStringLiteral("characters"), list}});
}

} // namespace zilvaro::query

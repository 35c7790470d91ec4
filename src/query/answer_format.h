#pragma once

#include "query/query_data.h"

#include <QString>
#include <QStringList>

namespace zilvaro::query {

// The answers, each one line: plain text aligned for reading, or one JSON object.
//
// A character: the character, its full code, its short codes joined by "," ("-" when it
// has none), what the code is made of, its readings with their tone marks joined by "/",
// the most frequent first:
//   字  pbf   pb      宀 p  子 b  识别码 f        zì
// What the code is made of: for a compound, its roots in order with their keys, then the
// identification code where the code ends in one; a key-name character is "键名" and
// itself with its key; a character root is "成字字根", itself with its key, then the
// strokes its code goes on with; a single stroke is "单笔画" and itself with its key.
QString characterLine(const CharacterFacts& facts);
QString characterJson(const CharacterFacts& facts);

// A Chinese character the data holds no entry for.
QString missingLine(const QString& character);
QString missingJson(const QString& character);

// A character found by code: the code asked for, then the character's line.
QString codeHitLine(const QString& code, const CodeHit& hit);
QString codeHitJson(const QString& code, const CodeHit& hit);
// A code no character has.
QString codeMissLine(const QString& code);
QString codeMissJson(const QString& code);

// A word: the word, its code, then each character with its full code.
QString wordLine(const QString& word, const QString& code,
                 const QList<const CharacterFacts*>& characters);
QString wordJson(const QString& word, const QString& code,
                 const QList<const CharacterFacts*>& characters);

// The columns a text takes in a terminal: two for a wide (East Asian) character.
int displayWidth(QStringView text);

} // namespace zilvaro::query

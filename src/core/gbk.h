#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace zilvaro {

// Text conversion between GBK (code page 936) and Qt strings, through glibc's iconv.

// Decodes GBK bytes. Bytes that are not valid GBK become U+FFFD.
QString fromGbk(QByteArrayView bytes);

// Encodes text as GBK; nullopt when some character has no GBK code.
std::optional<QByteArray> toGbk(QStringView text);

// A "character" is one Unicode code point: a character outside the Basic Multilingual
// Plane is one character of two UTF-16 units and is never split.
QString firstCharacter(QStringView text);
// The number of characters (code points) of the text.
qsizetype characterCount(QStringView text);
// The characters of the text, one string per code point.
QStringList characters(QStringView text);

// A character's key: its GBK code read as a signed 16-bit number, first byte high
// (啊 B0A1 -> -20319). A single-byte character has its code (0..127 for ASCII).
// A character without a GBK code, or an empty text, gets NoKey, which lies above every
// 16-bit key and so matches no record. Only the first character of the text counts.
constexpr int NoKey = 32768;
int characterKey(QStringView text);

// True when the first character of the text has a double-byte GBK code (its 16-bit
// code-page value has the top bit set).
bool isDoubleByte(QStringView text);

} // namespace zilvaro

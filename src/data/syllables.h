#pragma once

#include <QStringList>

namespace zilvaro {

// The 400 pinyin syllables of the syllable picker, from "a" to "zuo" in ascending order,
// without tone marks and with ü written u. The pinyin table holds at least one row for
// each of them, and no row for any other syllable.
const QStringList& pinyinSyllables();

} // namespace zilvaro

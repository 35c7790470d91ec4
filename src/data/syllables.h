#pragma once

#include <QStringList>

namespace zilvaro {

// The 405 pinyin syllables of the syllable picker, from "a" to "zuo" in ascending order,
// without tone marks and with ü written u: every syllable a GB2312 character is read with
// in the standard dictionaries, dei (得), fo (佛), hng (哼), lo (咯) and shei (谁) among
// them. The pinyin table holds at least one row for each of them, and no row for any
// other syllable.
const QStringList& pinyinSyllables();

} // namespace zilvaro

#pragma once

#include <QtGlobal>

namespace zilvaro {

// One segment text of a reference table as the program carries it: UTF-16, made from
// the GBK text in assets/tables at build time (tools/embed_tables), never freed.
struct TableText {
    const char16_t* text;
    qsizetype size;
};

// Segments 1 to 5 of the pinyin table ("Text1bh1" ..) and of the stroke table ("Text1bh1w" ..).
extern const TableText PinyinTableTexts[5];
extern const TableText StrokeTableTexts[5];

// The character lists codes.txt and readings.txt (data/character_lists.h), from UTF-8.
extern const TableText WubiCodesText;
extern const TableText TonedReadingsText;

} // namespace zilvaro

#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace zilvaro::build {

// How a character is typed: a key-name character (王), a character root (五), one of the
// five single strokes (一) or a compound of several roots (中).
enum class CharacterKind { Key, Root, Stroke, Compound };

// The kind's name in the decomposition table and the roots file: key, root, stroke or
// compound.
QString kindName(CharacterKind kind);

// One root of a character: its key letter and its strokes, numbered from 0 in the stroke
// order of the stroke outlines.
struct Root {
    QChar key;
    std::vector<int> strokes;
};

// One line of the decomposition table: character, FullCode, ShortCode, RootCode, kind,
// then one key:strokes field per root in writing order, separated by tabs.
struct Decomposition {
    QString character;
    QString fullCode;
    QString shortCode;
    QString rootCode;
    CharacterKind kind = CharacterKind::Compound;
    std::vector<Root> roots;
};

// Reads one line of the table (tools::DecompositionLine) and checks its codes against the
// kind and the roots, so that the record's picture slots and marks agree with its root
// code (RootCode: the keys of the first three roots and the last; the full code for
// key-name characters and character roots; the key twice for single strokes). `where`
// (file and line number) starts every error message, followed by the character when it
// could be read.
Decomposition parseDecompositionLine(const QString& line, const QString& where);

// What the four picture slots of a character show.
enum class SlotContent {
    Root,           // part of the character's picture, filled from the slot's seed list
    Identification, // the identification-code picture: the record holds the mark "0"
    Empty,          // nothing: the record holds a blank seed list
};

// Each stroke's set of slots (bit k: slot k shows that stroke) and each slot's content.
struct SlotLayout {
    std::vector<std::uint8_t> strokeSlots;
    std::array<SlotContent, 4> content{};
};

// Lays out the slots of a character whose outlines have `strokeCount` strokes:
// - a compound shows its first, second, third and last roots, then the identification
//   code in the slot after its last root when it has two or three roots;
// - a key-name character shows the whole character in every slot its code names;
// - a character root shows the whole character in slot 0, then its first, second and
//   last strokes (first and last for a three-letter code, the first for two letters);
// - a single stroke shows itself in slots 0 and 1 and the identification code in slot 2.
// Roots that no slot shows (the middle roots of five or more) belong to no slot. Every
// stroke must belong to exactly one root; otherwise a DataError names the character.
SlotLayout layoutSlots(const Decomposition& entry, int strokeCount);

} // namespace zilvaro::build

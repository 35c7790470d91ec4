#pragma once

#include "common/stroke_packages.h"

#include <QHash>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zilvaro::decompose {

// The class (1-5) of a stroke name, as the stroke table has it.
using tools::strokeClassOfName;

// The key of a single stroke of the class: g h t y n (the keys of 一 丨 丿 丶 乙).
QChar strokeKey(int strokeClass);

// The last-stroke identification key: the class picks the area, the structure
// (1 left-right, 2 top-bottom, 3 mixed) the key within it (g f d, h j k, t r e, y u i, n b v).
QChar identificationKey(int strokeClass, int structure);

// Stroke names by character, from cnchar-order: each character's strokes as letters, and
// what each letter stands for.
class StrokeNames {
public:
    // Reads the package's script, which carries both tables as JSON texts.
    static StrokeNames loadCncharOrder(const QString& path);
    // Adds the hand-written supplement (character, tab, letters) for characters the
    // package lacks. A character the package has is corrected (皙, whose package entry has
    // a stroke too few); a character twice in the supplement is an error.
    void addSupplement(const QString& path);
    // Characters whose package entry the supplement replaced.
    QStringList corrected() const { return corrected_; }
    // Puts the strokes of a few characters into the order hanzi-writer-data draws them
    // where it departs from the writing order of the stroke names (兜: its 白 is drawn after
    // the left part). Lines: character, tab, the writing-order stroke numbers (from 0,
    // comma-separated) in drawing order, each once. Only the decomposition reads names in
    // drawing order; the stroke table keeps the writing order.
    void addDrawingOrder(const QString& path);
    // Characters that addDrawingOrder put into drawing order.
    QStringList reordered() const { return reordered_; }

    bool contains(const QString& character) const { return letters_.contains(character); }
    QString letters(const QString& character) const { return letters_.value(character); }
    // The names a letter stands for ("竖折撇|竖折折" gives two); empty for an unknown letter.
    QStringList namesOfLetter(QChar letter) const { return names_.value(letter); }
    // The class sequence of a character as digits 1-5 ("中" -> "2512").
    QString classes(const QString& character) const;
    int letterClass(QChar letter) const { return classes_.value(letter, 0); }

    // For tests: a table built in memory.
    void setLetterNames(QChar letter, const QStringList& names);
    void setLetters(const QString& character, const QString& letters);

private:
    QHash<QString, QString> letters_;
    QHash<QChar, QStringList> names_;
    QHash<QChar, int> classes_;
    QStringList corrected_;
    QStringList reordered_;
};

// One character's strokes as hanzi-writer-data draws them: the median line of each stroke
// on the 1024 grid, y up.
struct StrokeOutline {
    QVector<QVector<QPointF>> medians;
    int count() const { return int(medians.size()); }
};

// Reads node_modules/hanzi-writer-data/<character>.json.
StrokeOutline loadHanziWriter(const QString& folder, const QString& character);

} // namespace zilvaro::decompose

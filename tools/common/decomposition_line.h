#pragma once

#include <QChar>
#include <QString>
#include <QVector>

#include <optional>

namespace zilvaro::tools {

// One root of a character: its key and its strokes, numbered from 0 in the stroke order
// of hanzi-writer-data.
struct RootField {
    QChar key;
    QVector<int> strokes;
    bool operator==(const RootField&) const = default;
};

// One line of data/decomposition.tsv, which the decomposer writes and the character data
// build reads: character, FullCode, ShortCode, RootCode, kind, then one key:strokes field
// per root in writing order, separated by tabs.
struct DecompositionLine {
    QString character; // not empty
    QString fullCode;  // one to four letters a-y
    QString shortCode; // none to four letters a-y
    QString rootCode;  // one to four letters a-y
    QString kind;      // key, root, stroke or compound
    QVector<RootField> roots;

    bool operator==(const DecompositionLine&) const = default;

    // Reads one line: its shape, the codes' letters, the kind and the root fields (a key
    // a-y, a colon, stroke numbers of one to four digits separated by commas). Which
    // characters a table may hold, and how the codes agree with the roots, is for the
    // reader to check. nullopt with
    // `error` set (starting with the character, once it is read) when the line is
    // malformed.
    static std::optional<DecompositionLine> parse(const QString& line, QString* error);
    // The line as the table holds it; parse reads it back to the same line.
    QString format() const;
    // Each root's strokes, in the line's order.
    QVector<QVector<int>> strokeGroups() const;
};

// The root code of a decomposition: the roots' keys (first three and the last when there
// are four or more, which is then the full code), the full code for a key-name character
// or character root, the key twice for a single stroke.
QString rootCodeOf(const QString& kind, const QVector<RootField>& roots, const QString& fullCode);

} // namespace zilvaro::tools

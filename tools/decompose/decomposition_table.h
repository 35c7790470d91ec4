#pragma once

#include "code_table.h"
#include "component_hints.h"
#include "decomposition_line.h"
#include "root_chart.h"
#include "strokes.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zilvaro::decompose {

// Where the inputs lie. Defaults: the project folder, the Debian code tables.
struct Inputs {
    QString projectDir;
    QString rime = QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml");
    QString ibus = QStringLiteral("/usr/share/ibus-table/tables/wubi-jidian86.db");
    QString path(const QString& relative) const { return projectDir + u'/' + relative; }
};

// Everything the decomposer and the checks read, loaded once.
struct Sources {
    RootChart chart;
    CodeTable codes;      // Rime: the codes used
    CodeTable crossCheck; // ibus-table
    StrokeNames names;
    ComponentHints hints;
    QHash<QString, int> drawnStrokes;       // hanzi-writer-data stroke counts
    QHash<QString, StrokeOutline> outlines; // and their median lines
    bool supplementRead = false;

    static Sources load(const Inputs& inputs);
};

// Hand overrides: lines of the table's own format. Each one must pass the line check.
QHash<QString, DecompositionLine> loadOverrides(const QString& path, const Sources& sources);

struct TableResult {
    QStringList lines;     // decided lines, GBK order
    QStringList undecided; // character TAB full code TAB reason, GBK order
    int automatic = 0;
    int overridden = 0;
};

TableResult buildTable(const Sources& sources, const QHash<QString, DecompositionLine>& overrides);

} // namespace zilvaro::decompose

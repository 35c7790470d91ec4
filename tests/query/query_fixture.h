#pragma once

#include "query/query_run.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zilvaro::test {

// One run of the program: its exit status and what it wrote.
struct QueryRun {
    int status = -1;
    QStringList lines; // standard output, one a line
    QString err;
};

inline QueryRun runQueryWith(const QStringList& args, const QString& programDir,
                             const QString& input = {}) {
    QString inText = input;
    QString outText;
    QString errText;
    QTextStream in(&inText);
    QTextStream out(&outText);
    QTextStream err(&errText);
    QueryRun run;
    run.status = query::runQuery(QStringList{QStringLiteral("zilvaro-query")} + args, in, out, err,
                                 programDir);
    out.flush();
    err.flush();
    run.lines = outText.split(u'\n', Qt::SkipEmptyParts);
    run.err = errText;
    return run;
}

} // namespace zilvaro::test

// zilvaro-query: the Wubi 86 codes of a text, of words, and the characters of a code, on
// the command line. See zilvaro-query(1).

#include "query/query_data.h"
#include "query/query_run.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream in(stdin);
    zilvaro::query::readAsUtf8(in);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString installed = zilvaro::query::defaultProgramDir(
        QCoreApplication::applicationDirPath(), QStringLiteral(ZILVARO_QUERY_DATA_RELATIVE));
    return zilvaro::query::runQuery(app.arguments(), in, out, err, installed);
}

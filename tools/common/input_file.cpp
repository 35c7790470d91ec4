#include "input_file.h"

#include "data_error.h"

#include <QFile>

namespace zilvaro::tools {

QByteArray readInputFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(path, 0, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
    return file.readAll();
}

QString readUtf8InputFile(const QString& path) {
    return QString::fromUtf8(readInputFile(path));
}

QString readStrictUtf8InputFile(const QString& path) {
    return decodeStrictUtf8(readInputFile(path), path);
}

QString decodeStrictUtf8(const QByteArray& bytes, const QString& path) {
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        throw DataError(path, 0, QStringLiteral("not valid UTF-8"));
    return text;
}

QList<TsvLine> tsvLines(const QString& text) {
    QList<TsvLine> out;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        out.append({i + 1, line, line.split(u'\t')});
    }
    return out;
}

} // namespace zilvaro::tools

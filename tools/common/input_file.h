#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zilvaro::tools {

// The whole content of an input file. A file that cannot be opened or read is a DataError
// naming it and the cause ("cannot be read (...)").
QByteArray readInputFile(const QString& path);

// The same, decoded from UTF-8.
QString readUtf8InputFile(const QString& path);

// The same, but bytes that are not UTF-8 are a DataError naming the file.
QString readStrictUtf8InputFile(const QString& path);

// Bytes read from `path` (a decompressed file, say) decoded from UTF-8; bytes that are
// not UTF-8 are a DataError naming the path.
QString decodeStrictUtf8(const QByteArray& bytes, const QString& path);

// One line of a tab-separated table: its number in the file (from 1), its text without
// the line break, and its fields.
struct TsvLine {
    int number = 0;
    QString text;
    QStringList fields;
};

// The lines of a tab-separated table that carry data: a line break may be LF or CR LF;
// empty lines and lines starting with # are left out.
QList<TsvLine> tsvLines(const QString& text);

} // namespace zilvaro::tools

#pragma once

#include <QByteArray>
#include <QString>

namespace zilvaro::decompose {

// The whole content of an input file. A file that cannot be opened or read is a DataError
// naming it ("cannot be read").
QByteArray readInputFile(const QString& path);

// The same, decoded from UTF-8.
QString readUtf8InputFile(const QString& path);

} // namespace zilvaro::decompose

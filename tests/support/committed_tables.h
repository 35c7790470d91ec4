#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace zilvaro::test {

// The bytes of a committed table text, assets/tables/<name>.txt; a file that cannot be
// read fails the test and gives no bytes.
inline QByteArray committedTableFile(const QString& name) {
    QFile file(QStringLiteral(ZILVARO_SOURCE_DIR "/assets/tables/%1.txt").arg(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

} // namespace zilvaro::test

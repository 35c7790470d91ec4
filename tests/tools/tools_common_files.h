#pragma once

// A temporary folder to write small input files into, for the tests of the tools' readers.

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

#include "common/data_error.h"

namespace test {

class InputFiles : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

// The message of the DataError the call raises, or "" when it raises none.
template <typename F> std::string failure(F call) {
    try {
        call();
    } catch (const zilvaro::tools::DataError& e) {
        return e.what();
    }
    return "";
}

} // namespace test

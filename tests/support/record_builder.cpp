#include "record_builder.h"

#include "common/gb2312.h"
#include "data/root_file.h"

#include <QFile>

#include <stdexcept>

namespace zilvaro::test {

QByteArray encodeRecord(const CharacterRecord& record) {
    QString error;
    const std::optional<QByteArray> bytes = record.encode(&error);
    if (!bytes) {
        throw std::invalid_argument(error.toStdString());
    }
    return *bytes;
}

std::vector<CharacterRecord> recordsFor(const QStringList& characters) {
    std::vector<CharacterRecord> records;
    for (int i = 0; i < characters.size(); ++i) {
        const QString code = QString(4, QChar(u'a' + i % 26));
        records.push_back({characters[i], code, code.left(2), code, {}, {}, {}, {}});
    }
    return records;
}

QStringList gb2312Characters(int n) {
    static const QStringList all = tools::gb2312Texts();
    return all.mid(0, n);
}

ProgramFolder::ProgramFolder() {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    writeRoots({});
}

void ProgramFolder::writeRoots(const std::vector<RootEntry>& entries) {
    QString error;
    const QByteArray bytes = formatRootFile(entries, &error);
    QFile file(rootFilePath());
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write the roots file: " + error.toStdString());
    }
}

void ProgramFolder::writeRecords(const std::vector<CharacterRecord>& records,
                                 const QByteArray& tail) {
    QByteArray bytes;
    for (const CharacterRecord& r : records) {
        bytes += encodeRecord(r);
    }
    writeBytes(bytes + tail);
}

void ProgramFolder::writeBytes(const QByteArray& bytes) {
    QFile file(recordFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write the record file");
    }
}

} // namespace zilvaro::test

#include "record_builder.h"

#include "core/gbk.h"
#include "data/character_record.h"
#include "data/root_file.h"

#include <QFile>

#include <stdexcept>

namespace zilvaro::test {

QByteArray encodeRecord(const RecordFields& f) {
    const CharacterRecord record{f.character,   f.fullCode,    f.shortCode,   f.rootCode,
                                 f.fillPoints1, f.fillPoints2, f.fillPoints3, f.fillPoints4};
    const std::optional<QByteArray> bytes = record.encode();
    if (!bytes) {
        throw std::invalid_argument("field too long");
    }
    return *bytes;
}

std::vector<RecordFields> recordsFor(const QStringList& characters) {
    std::vector<RecordFields> records;
    for (int i = 0; i < characters.size(); ++i) {
        const QString code = QString(4, QChar(u'a' + i % 26));
        records.push_back({characters[i], code, code.left(2), code, {}, {}, {}, {}});
    }
    return records;
}

QStringList gb2312Characters(int n) {
    QStringList result;
    for (int lead = 0xB0; lead <= 0xF7 && result.size() < n; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE && result.size() < n; ++trail) {
            if (lead == 0xD7 && trail > 0xF9) {
                break; // the unused end of row 55
            }
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            result.append(fromGbk(QByteArrayView(bytes, 2)));
        }
    }
    return result;
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

void ProgramFolder::writeRecords(const std::vector<RecordFields>& records, const QByteArray& tail) {
    QByteArray bytes;
    for (const RecordFields& r : records) {
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

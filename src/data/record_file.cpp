#include "data/record_file.h"

#include "core/failure.h"

#include <limits>

namespace zilvaro {

RecordFile::RecordFile(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::ReadOnly)) {
        throw Failure(
            QStringLiteral("Cannot open the record file %1: %2").arg(path, file_.errorString()));
    }
    const qint64 records = file_.size() / CharacterRecord::Size;
    if (records > std::numeric_limits<std::int16_t>::max()) {
        throw Failure(QStringLiteral("The record file %1 holds %2 records, more than record "
                                     "numbers can count")
                          .arg(path)
                          .arg(records));
    }
    count_ = static_cast<int>(records);
}

CharacterRecord RecordFile::read(int n) {
    if (n < 1 || n > count_) {
        throw Failure(QStringLiteral("Bad record number %1 in %2 (it holds %3 records)")
                          .arg(n)
                          .arg(file_.fileName())
                          .arg(count_));
    }
    const qint64 offset = static_cast<qint64>(n - 1) * CharacterRecord::Size;
    if (!file_.seek(offset)) {
        throw Failure(QStringLiteral("Cannot read record %1 of %2: %3")
                          .arg(n)
                          .arg(file_.fileName(), file_.errorString()));
    }
    const QByteArray bytes = file_.read(CharacterRecord::Size);
    if (bytes.size() != CharacterRecord::Size) {
        throw Failure(QStringLiteral("Cannot read record %1 of %2: %3")
                          .arg(n)
                          .arg(file_.fileName(), file_.errorString()));
    }
    return CharacterRecord::decode(bytes);
}

} // namespace zilvaro

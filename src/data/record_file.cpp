#include "data/record_file.h"

#include "core/failure.h"
#include "core/regular_file.h"

#include <QDir>

#include <cstdint>
#include <limits>

namespace zilvaro {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The key of a record: its first two bytes as a signed 16-bit number, first byte high.
std::int16_t keyOf(const QByteArray& record) {
    const auto high = static_cast<std::uint8_t>(record[CharacterRecord::CharacterOffset]);
    const auto low = static_cast<std::uint8_t>(record[CharacterRecord::CharacterOffset + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | low));
}

// The bytes of the three code fields, written out where they are not lower-case letters
// or blanks; empty when all are.
QString strayCodeBytes(const QByteArray& record) {
    const QByteArray codes =
        record.mid(CharacterRecord::FullCodeOffset, 3 * CharacterRecord::CodeWidth);
    for (const char c : codes) {
        if (c != ' ' && (c < 'a' || c > 'z')) {
            return QString::fromLatin1(codes.toHex(' '));
        }
    }
    return {};
}

} // namespace

QString recordFilePath(const QString& programDir) {
    return QDir(programDir).filePath(QString::fromLatin1(RecordFileName));
}

RecordFile::RecordFile(const QString& path) : path_(path), file_(path) {
    openRegularFile(file_, QStringLiteral("the record file"));
    const qint64 records = file_.size() / CharacterRecord::Size;
    if (records > std::numeric_limits<std::int16_t>::max()) {
        throw Failure(QStringLiteral("The record file %1 holds %2 records, more than record "
                                     "numbers can count")
                          .arg(shown(path))
                          .arg(records));
    }
    count_ = static_cast<int>(records);
}

void RecordFile::checkLayout() {
    const qint64 size = file_.size();
    if (size == 0) {
        throw Failure(QStringLiteral("The record file %1 is empty").arg(shown(path_)));
    }
    if (size % CharacterRecord::Size != 0) {
        throw Failure(QStringLiteral("The record file %1 is damaged: its length, %2 bytes, is "
                                     "not a whole number of %3-byte records")
                          .arg(shown(path_))
                          .arg(size)
                          .arg(CharacterRecord::Size));
    }
    const QByteArray first = readBytes(1);
    const QByteArray last = readBytes(count_);
    if (count_ > 1 && keyOf(first) >= keyOf(last)) {
        throw Failure(QStringLiteral("The record file %1 is damaged: its records are not in "
                                     "order (the key of the first, %2, is not below that of "
                                     "the last, %3)")
                          .arg(shown(path_))
                          .arg(keyOf(first))
                          .arg(keyOf(last)));
    }
    for (const auto& [number, record] : {std::pair{1, first}, std::pair{count_, last}}) {
        const QString stray = strayCodeBytes(record);
        if (!stray.isEmpty()) {
            throw Failure(QStringLiteral("The record file %1 is damaged: the codes of record "
                                         "%2 hold bytes other than lower-case letters and "
                                         "blanks (%3)")
                              .arg(shown(path_))
                              .arg(number)
                              .arg(stray));
        }
    }
}

QByteArray RecordFile::readBytes(int n) {
    if (n < 1 || n > count_) {
        throw Failure(QStringLiteral("Bad record number %1 in %2 (it holds %3 records)")
                          .arg(n)
                          .arg(shown(path_))
                          .arg(count_));
    }
    const qint64 offset = static_cast<qint64>(n - 1) * CharacterRecord::Size;
    QByteArray bytes;
    if (file_.seek(offset)) {
        bytes = file_.read(CharacterRecord::Size);
    }
    if (bytes.size() == CharacterRecord::Size) {
        return bytes;
    }
    if (bytes.size() >= 0 && file_.error() == QFileDevice::NoError) {
        throw Failure(QStringLiteral("The record file %1 was cut short while Zilvaro ran: "
                                     "record %2 lies beyond its end")
                          .arg(shown(path_))
                          .arg(n));
    }
    throw Failure(QStringLiteral("Cannot read record %1 of the record file %2: %3")
                      .arg(n)
                      .arg(shown(path_), file_.errorString()));
}

CharacterRecord RecordFile::read(int n) {
    const QByteArray bytes = readBytes(n);
    const QString fault = CharacterRecord::fault(bytes);
    if (!fault.isEmpty()) {
        failRecord(path_, n, fault);
    }
    return CharacterRecord::decode(bytes);
}

void failRecord(const QString& path, int n, const QString& fault) {
    throw Failure(QStringLiteral("The record file %1 is damaged: record %2 %3")
                      .arg(shown(path))
                      .arg(n)
                      .arg(fault));
}

void BisectionOrder::check(int n, int key) const {
    if (bounded_ && (key < low_ || key > high_)) {
        failRecord(source_.path(), n,
                   QStringLiteral("is out of order: its key, %1, lies outside the keys %2 to "
                                  "%3 of the records around it, so the file is not sorted")
                       .arg(key)
                       .arg(low_)
                       .arg(high_));
    }
}

void BisectionOrder::narrow(int lo, int loKey, int hi, int hiKey) {
    if (loKey > hiKey) {
        failRecord(source_.path(), hi,
                   QStringLiteral("is out of order: its key, %1, lies below the key %2 of "
                                  "record %3 before it, so the file is not sorted")
                       .arg(hiKey)
                       .arg(loKey)
                       .arg(lo));
    }
    bounded_ = true;
    low_ = loKey;
    high_ = hiKey;
}

} // namespace zilvaro

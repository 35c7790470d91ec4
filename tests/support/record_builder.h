#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace zilvaro {
struct RootEntry;
}

namespace zilvaro::test {

// The fields of one record, as text; each is encoded to GBK and blank-filled.
struct RecordFields {
    QString character;
    QString fullCode;
    QString shortCode;
    QString rootCode;
    QString fillPoints1, fillPoints2, fillPoints3, fillPoints4;
};

// The 302 bytes of one record.
QByteArray encodeRecord(const RecordFields& fields);

// Records for the given characters, with made-up codes ("aaaa" ...), in the order given.
std::vector<RecordFields> recordsFor(const QStringList& characters);

// The first n GB2312 characters in code order (n <= 6763), from 啊.
QStringList gb2312Characters(int n = 6763);

// A program folder in a temporary directory, holding wwbb11.dat.
class ProgramFolder {
public:
    ProgramFolder();
    QString path() const { return dir_.path(); }
    void setAutoRemove(bool remove) { dir_.setAutoRemove(remove); }
    QString recordFilePath() const { return dir_.filePath(QStringLiteral("wwbb11.dat")); }
    // The roots file beside it, which a new folder holds with no character in it.
    QString rootFilePath() const { return dir_.filePath(QStringLiteral("roots.tsv")); }
    void writeRoots(const std::vector<RootEntry>& entries);
    void writeRecords(const std::vector<RecordFields>& records, const QByteArray& tail = {});
    void writeBytes(const QByteArray& bytes);

private:
    QTemporaryDir dir_;
};

} // namespace zilvaro::test

#pragma once

#include "data/character_record.h"
#include "data/record_file.h"
#include "data/root_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace zilvaro {
struct RootEntry;
}

namespace zilvaro::test {

// The bytes of one record (CharacterRecord::encode); a field it cannot encode throws.
QByteArray encodeRecord(const CharacterRecord& record);

// Records for the given characters, with made-up codes ("aaaa" ...), in the order given.
std::vector<CharacterRecord> recordsFor(const QStringList& characters);

// The first n GB2312 characters in code order (n <= 6763), from 啊.
QStringList gb2312Characters(int n = 6763);

// A program folder in a temporary directory, holding the record file.
class ProgramFolder {
public:
    ProgramFolder();
    QString path() const { return dir_.path(); }
    void setAutoRemove(bool remove) { dir_.setAutoRemove(remove); }
    QString recordFilePath() const { return zilvaro::recordFilePath(dir_.path()); }
    // The roots file beside it, which a new folder holds with no character in it.
    QString rootFilePath() const { return dir_.filePath(QString::fromLatin1(RootFileName)); }
    void writeRoots(const std::vector<RootEntry>& entries);
    void writeRecords(const std::vector<CharacterRecord>& records, const QByteArray& tail = {});
    void writeBytes(const QByteArray& bytes);

private:
    QTemporaryDir dir_;
};

} // namespace zilvaro::test

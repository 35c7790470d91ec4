#pragma once

#include "data/character_record.h"

#include <QFile>
#include <QString>

namespace zilvaro {

// Read access to records by number, counted from 1. The lookup reads through this
// interface, so a test can count the reads.
class RecordSource {
public:
    virtual ~RecordSource() = default;
    // The number of complete records.
    virtual int recordCount() const = 0;
    // Reads record n (1..recordCount()); any other n, or a record whose fields are not
    // what a record holds (CharacterRecord::fault), is a failure.
    virtual CharacterRecord read(int n) = 0;
    // The file the records come from, for messages.
    virtual QString path() const = 0;
};

// The failure of record n of the file at path, what is wrong worded to follow "record
// N": "The record file <path> is damaged: record <n> <fault>".
[[noreturn]] void failRecord(const QString& path, int n, const QString& fault);

// The order of the record file as a bisection meets it: the keys of the two bounds it
// has established, between which every record it reads next must lie. A key outside
// them means the file is not sorted, a failure naming the file and the record.
class BisectionOrder {
public:
    explicit BisectionOrder(const RecordSource& source) : source_(source) {}
    // Record n, with the given key, was read between the bounds established so far.
    void check(int n, int key) const;
    // The bounds are now records lo and hi with these keys (they passed check()); the
    // key of lo must not lie above that of hi.
    void narrow(int lo, int loKey, int hi, int hiKey);

private:
    const RecordSource& source_;
    bool bounded_ = false;
    int low_ = 0;
    int high_ = 0;
};

// The record file's name in the program folder, "wwbb11.dat" (set by the build, which
// makes and installs the file under it).
inline constexpr const char* RecordFileName = ZILVARO_RECORD_FILE_NAME;

// The record file in the given program folder.
QString recordFilePath(const QString& programDir);

// The record file: fixed-length records of 302 bytes, no header, sorted by character key.
// The file is opened read-only at start-up and never written. Records are read one at a
// time by seeking to their offset; nothing is cached.
class RecordFile : public RecordSource {
public:
    // Opens the file for reading. A missing or unreadable file, or one that is not a
    // regular file (a named pipe, a device, a folder), is a failure naming its path and
    // the cause; the open never waits (the program never creates or writes files in its
    // folder).
    explicit RecordFile(const QString& path);

    // The start-up check that catches a wrong or scrambled file without reading it whole:
    // the file is not empty and holds whole records, the first record's key lies below
    // the last one's, and the codes of both are lower-case letters and blanks. A file
    // that fails is a failure naming the file and what is wrong with it.
    void checkLayout();

    // The whole number of complete records: a trailing partial record is never read.
    int recordCount() const override { return count_; }
    // Reads record n and checks its fields (CharacterRecord::fault).
    CharacterRecord read(int n) override;
    QString path() const override { return path_; }
    void close() { file_.close(); }

private:
    // The 302 bytes of record n (1..recordCount()).
    QByteArray readBytes(int n);

    QString path_;
    QFile file_;
    int count_ = 0;
};

} // namespace zilvaro

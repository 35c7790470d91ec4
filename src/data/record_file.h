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
    // Reads record n (1..recordCount()); any other n is a failure.
    virtual CharacterRecord read(int n) = 0;
};

// wwbb11.dat: fixed-length records of 302 bytes, no header, sorted by character key.
// The file is opened read-only at start-up and never written. Records are read one at a
// time by seeking to their offset; nothing is cached.
class RecordFile : public RecordSource {
public:
    // Opens the file for reading. A missing or unreadable file is a failure naming its
    // path (the program never creates or writes files in its folder).
    explicit RecordFile(const QString& path);

    // The whole number of complete records: a trailing partial record is never read.
    int recordCount() const override { return count_; }
    CharacterRecord read(int n) override;
    QString path() const { return file_.fileName(); }
    void close() { file_.close(); }

private:
    QFile file_;
    int count_ = 0;
};

} // namespace zilvaro

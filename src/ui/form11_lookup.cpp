// The lookup of one character: the binary search of the record file, then the
// presentation of what it found.
#include "ui/form11.h"

#include "lookup/binary_search.h"

namespace zilvaro {

void Form11::display() {
    CurrentRecord = RecordFile_->read(CurrentRecordNumber);
    Text11.set(CurrentRecord.Character);
    Text12.set(CurrentRecord.FullCode);
    Text13.set(CurrentRecord.ShortCode);
    Text14.set(CurrentRecord.RootCode);
    Text17.set(CurrentRecord.FillPoints1);
    Text18.set(CurrentRecord.FillPoints2);
    Text19.set(CurrentRecord.FillPoints3);
    Text20.set(CurrentRecord.FillPoints4);
}

void Form11::Command6_Click() {
    if (Text23.text().isEmpty()) {
        return;
    }
    SearchResult search = bisectRecords(*RecordFile_, Text23.text());
    Text31.set(search.Text31);
    Text32.set(search.Text32);
    CurrentRecordNumber = search.CurrentRecordNumber;
    CurrentRecord = std::move(search.CurrentRecord);
    LookupFound = search.LookupFound;
    presentLookup();
}

void Form11::presentLookup() {
    // The result presentation (code line, picture slots, no-entry notice) runs here,
    // with LookupFound, CurrentRecordNumber and CurrentRecord settled.
    if (LookupFound == -1) {
        display();
    }
    Text23.set(QString());
}

} // namespace zilvaro

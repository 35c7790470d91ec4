#include "lookup/binary_search.h"

#include "core/gbk.h"
#include "core/rounding.h"

namespace zilvaro {

namespace {
// num(x): a bound or middle taken as a record number.
std::int16_t num(double x) {
    return toInt16(x);
}
} // namespace

SearchResult bisectRecords(RecordSource& source, const QString& query) {
    SearchResult result;
    if (query.isEmpty()) {
        return result;
    }
    result.probed = true;

    // Every record read must lie between the bounds already established: a sorted file
    // never leaves them.
    BisectionOrder order(source);
    auto probe = [&](double bound, QString& box) {
        result.CurrentRecordNumber = num(bound);
        result.CurrentRecord = source.read(result.CurrentRecordNumber);
        box = result.CurrentRecord.Character;
        const int key = characterKey(box);
        order.check(result.CurrentRecordNumber, key);
        return key;
    };

    // The record count is whole: a trailing partial record is not counted.
    double lo = 1;
    double hi = source.recordCount();
    const int q = characterKey(query);
    for (;;) {
        const int a = probe(lo, result.Text31);
        const int b = probe(hi, result.Text32);
        order.narrow(num(lo), a, num(hi), b);
        if (q > b || q < a) {
            result.LookupFound = 0;
            return result;
        }
        if (a < q && q < b) {
            const double m = lo + integerDivide(hi - lo, 2);
            const int c = probe(m, result.Text31);
            if (q > c) {
                result.LookupFound = 0;
                lo = m;
            } else if (q < c) {
                result.LookupFound = 0;
                hi = m;
            } else {
                result.LookupFound = -1;
                result.CurrentRecordNumber = num(lo + integerDivide(hi - lo, 2));
                return result;
            }
        } else if (q == a) {
            result.CurrentRecordNumber = num(lo);
            result.LookupFound = -1;
            return result;
        } else if (q == b) {
            result.CurrentRecordNumber = num(hi);
            result.LookupFound = -1;
            return result;
        }
        if (hi - lo == 1) {
            return result;
        }
    }
}

} // namespace zilvaro

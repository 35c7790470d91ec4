#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

namespace zilvaro::bench {

// The start time of a process from its /proc/<pid>/stat line: field 22, in clock ticks
// since boot. The command name (field 2) stands in parentheses and may itself hold
// blanks and parentheses, so the fields are counted from the last ')'.
std::optional<std::int64_t> startTimeTicks(const QByteArray& statLine);

// The resident set size in kB from the text of /proc/<pid>/status (its VmRSS line).
std::optional<std::int64_t> residentKilobytes(const QByteArray& statusText);

// The median of the values (the mean of the middle two for an even count); an empty
// list has none.
std::optional<double> median(std::vector<double> values);

// Now on the clock /proc start times count from (CLOCK_BOOTTIME), in nanoseconds.
std::int64_t bootClockNanoseconds();

// Milliseconds from this process's start, as the kernel recorded it, to now. The start
// time is kept in clock ticks (usually 10 ms), so this is that coarse.
double millisecondsSinceProcessStart();

// This process's resident set size now, in kB.
std::int64_t residentKilobytesNow();

} // namespace zilvaro::bench

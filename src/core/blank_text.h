#pragma once

#include <QStringView>

namespace zilvaro {

// A blank is the space character only; trimming removes leading and trailing blanks and
// leaves every other character (tabs, NULs, full-width spaces) in place.
QStringView trimBlanks(QStringView text);
QStringView trimTrailingBlanks(QStringView text);

} // namespace zilvaro

#pragma once

#include <QStringView>

namespace zilvaro {

// Positions in a text counted in characters (code points) and in UTF-16 units, the
// toolkit's positions. A character outside the Basic Multilingual Plane is one
// character and two units.

// The number of characters before the unit position (clamped to the text).
int characterIndexOf(QStringView text, int unitPosition);
// The unit position of the character index (clamped to the text).
int unitPositionOf(QStringView text, int characterIndex);

} // namespace zilvaro

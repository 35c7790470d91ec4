#pragma once

#include <QString>
#include <QStringList>

namespace zilvaro::query {

// The Wubi 86 code of a word from its characters' full codes: two characters give the
// first two keys of each; three the first key of the first two and the first two keys of
// the third; four or more the first key of the first, second, third and last character.
// Empty for fewer than two characters.
QString wordCode(const QStringList& fullCodes);

} // namespace zilvaro::query

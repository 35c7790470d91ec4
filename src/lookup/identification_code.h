#pragma once

#include <QChar>

#include <optional>

namespace zilvaro {

// The identification-code picture (Image13 index 0..15) named by a key letter of a full
// code: g f d h j k t r e y u i n b v l, in that order. The letters compare exactly:
// an upper-case letter, a blank or any other character names no picture.
std::optional<int> identificationPictureIndex(QChar letter);

} // namespace zilvaro

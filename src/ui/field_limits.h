#pragma once

namespace zilvaro {

// How much each single-line field of the window takes: what its purpose needs, so a
// paste of any size is cut at once and every handler it starts works on a short text.

// The character input box `Text5`: a line of characters to look up, around the caret.
inline constexpr int InputFieldLength = 256;

// The edit fields of the stroke pickers `Combo1`..`Combo5`: one stroke.
inline constexpr int StrokeFieldLength = 1;

// The edit field of the syllable picker `Combo6`: the longest of the 400 syllables.
int syllableFieldLength();

} // namespace zilvaro

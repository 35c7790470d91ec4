#pragma once

namespace zilvaro {

// How much each single-line field of the window takes: what its purpose needs, so a
// paste of any size is cut at once and every handler it starts works on a short text.

// The character input box `Text5`: a line of characters to look up, around the caret.
inline constexpr int InputFieldLength = 256;

// The edit fields of the stroke pickers `Combo1`..`Combo5`: one stroke, and room for one
// more character, so a stroke typed beside the blank a field starts with is shown, not
// refused without a sign (only a field of exactly one stroke counts).
inline constexpr int StrokeFieldLength = 2;

// The edit field of the syllable picker `Combo6`: the longest of the 400 syllables.
int syllableFieldLength();

} // namespace zilvaro

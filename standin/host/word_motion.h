// Ctrl+Left and Ctrl+Right in one line, by the host editor's rules: a stop is
// the start of a delimiter run after a non-delimiter, or a non-blank after a
// blank (to the right); a word start after a delimiter, or a non-blank after
// a blank (to the left). Space and tab are blanks, never delimiters.
// Covered by tests/standin/host/word_motion_test.cpp.
#pragma once

#include <string>

namespace host {

// The host's default WordDiv.
extern const char kDefaultWordDiv[];

// New position after Ctrl+Right from `pos`; -1 when the cursor is at or past
// the end of the line (the editor then goes to column 0 of the next line).
int WordRight(const std::string& line, int pos, const std::string& wordDiv);
// New position after Ctrl+Left; -1 at column 0 (the editor then goes to the
// end of the previous line).
int WordLeft(const std::string& line, int pos, const std::string& wordDiv);

}  // namespace host

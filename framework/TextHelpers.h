#pragma once

#include <string>

// Text helpers on UTF-8 texts. Positions and counts are in characters.

// Field number (from 1) of the text, fields being the pieces between
// separators; "" past the last field.
std::string NthField(const std::string& text, const std::string& separator, int field);
// The last count characters of the text (all of it when shorter).
std::string Right(const std::string& text, int count);
// The position (from 1) of the first occurrence of what, 0 when none.
int InStr(const std::string& text, const std::string& what);
// The code of the text's first character, 0 for an empty text.
int Asc(const std::string& text);
// The one-character text of the code.
std::string Chr(int code);

#pragma once

// The settings file's text: 16 lines of comments and values, numbers as
// decimal text, several values on one line separated by TABs. The reader is
// positional: it takes each value from its line and never looks at the
// comments, the version or the end marker.

#include <cstddef>
#include <string>
#include <vector>

class App;

inline constexpr const char* kSettingsFileName = "lumaDex2.prefs";
// The reader takes the first 14 lines; the last two are never read.
inline constexpr int kSettingsLinesRead = 14;
// The longest text kept, in UTF-8 bytes. Writer and reader cut a longer one
// there, at a whole character: it loses its own tail and nothing else, and
// what is written is read back unchanged.
inline constexpr std::size_t kLongestSettingsText = 64 * 1024;

// The file's 16 lines for the settings record, line 14 holding the side of
// the keypad ("left" or "right"). A TAB or line break inside a text is
// written as a space, so every value stays on its own line and field.
std::vector<std::string> SettingsFileLines(const App& app, const std::string& keypadSide);

// Takes the record's values from the file's lines by position: a missing
// line or field reads as the empty text, and a number from it as 0. The
// number mask follows from the decimal places read.
void ReadSettingsFileLines(App& app, const std::vector<std::string>& lines);

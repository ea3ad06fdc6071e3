#include "SettingsLines.h"

#include "App.h"
#include "DecimalMask.h"
#include "NumberText.h"
#include "TextHelpers.h"

#include <algorithm>
#include <utility>

namespace {

// The text cut to the longest kept, without splitting a character.
std::string Kept(std::string text) {
    if (text.size() <= kLongestSettingsText) {
        return text;
    }
    std::size_t end = kLongestSettingsText;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    text.resize(end);
    return text;
}

// A text as one field of one line.
std::string OneField(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return Kept(std::move(text));
}

std::string Line(const std::vector<std::string>& lines, int number) {
    return number <= static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(number - 1)]
                                                    : std::string();
}

std::int32_t Number(const std::string& text) { return CInt32(Val(text)); }

} // namespace

std::vector<std::string> SettingsFileLines(const App& app, const std::string& keypadSide) {
    const std::string tab = Chr(9);
    return {
        "# lumaDex's preferences version",
        "2.1",
        "#",
        "# Decimal preferences",
        Str(app.decimali),
        "#",
        "# Printer text (description, value, total) and listbox text size",
        OneField(app.descrizione) + tab + OneField(app.valore) + tab + OneField(app.totale) + tab +
            Str(app.tapeSize),
        "#",
        "# Window position (top,left) and size (width, height)",
        Str(app.winTop) + tab + Str(app.winLeft) + tab + Str(app.winWidth) + tab +
            Str(app.winHeight),
        "#",
        "# Layout position (calc buttons left or right) and size (width, height)",
        keypadSide,
        "#",
        "#EOF",
    };
}

void ReadSettingsFileLines(App& app, const std::vector<std::string>& lines) {
    const std::string tab = Chr(9);
    app.decimali = Number(Line(lines, 5));
    const std::string texts = Line(lines, 8);
    app.descrizione = Kept(NthField(texts, tab, 1));
    app.valore = Kept(NthField(texts, tab, 2));
    app.totale = Kept(NthField(texts, tab, 3));
    app.tapeSize = Number(NthField(texts, tab, 4));
    const std::string place = Line(lines, 11);
    app.winTop = Number(NthField(place, tab, 1));
    app.winLeft = Number(NthField(place, tab, 2));
    app.winWidth = Number(NthField(place, tab, 3));
    app.winHeight = Number(NthField(place, tab, 4));
    app.layout = Line(lines, 14);
    app.decimalFormat = MaskForDecimali(app.decimali, app.decimalFormat);
}

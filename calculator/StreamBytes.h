#pragma once

// Property streams written in code, one entry per line, encoded at compile
// time into a constant byte string (format in PropertyStream.h):
//
//   using TitleBar = Stream<
//       I<"Width", 990>,
//       B<"Visible", true>,
//       C<"BackColor", 0xFFFFFF>,
//       S<"Title", "lumaDex">>;
//   static_assert(TitleBar::bytes.size() == 49);
//
// A stream can stand as an entry of another one, so a shared run of entries
// is written once. Strings are counted in UTF-8 bytes.

#include "ControlBuilding.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace streamdata {

// A string literal as a template argument.
template <std::size_t N> struct Text {
    char chars[N];

    consteval Text(const char (&literal)[N]) { std::copy_n(literal, N, chars); }

    static constexpr std::size_t size = N - 1;
    constexpr std::string_view view() const { return {chars, size}; }
};

// A control's place in window coordinates.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

// The four edge locks written as in a layout table: "1100" locks left and
// top, in the order left, top, right, bottom.
struct Locks {
    bool left;
    bool top;
    bool right;
    bool bottom;

    consteval Locks(const char (&flags)[5])
        : left(Flag(flags[0])), top(Flag(flags[1])), right(Flag(flags[2])), bottom(Flag(flags[3])) {
    }

private:
    static consteval bool Flag(char c) {
        if (c != '0' && c != '1') {
            throw "a lock is written 0 or 1";
        }
        return c == '1';
    }
};

// Index of a control that belongs to no control array.
constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

template <std::size_t... N> consteval auto Concat(const std::array<char, N>&... parts) {
    std::array<char, (N + ... + 0)> joined{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), joined.begin() + at), at += N), ...);
    return joined;
}

consteval std::array<char, 4> BigEndian(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

consteval bool IsKey(std::string_view key) {
    return !key.empty() && IsKeyStart(key[0]) && std::all_of(key.begin(), key.end(), IsKeyChar);
}

template <Text T> consteval std::array<char, T.size> Chars() {
    std::array<char, T.size> chars{};
    std::copy_n(T.chars, T.size, chars.begin());
    return chars;
}

template <Text Key, std::size_t N> consteval auto Entry(const std::array<char, N>& value) {
    static_assert(IsKey(Key.view()), "a key is a letter or _ followed by letters, digits or _");
    return Concat(Chars<Key>(), std::array<char, 1>{' '}, value);
}

// The four entry kinds: Integer, Boolean, Color (0xRRGGBB) and String.
template <Text Key, std::int32_t Value> struct I {
    static constexpr auto bytes = Entry<Key>(BigEndian(static_cast<std::uint32_t>(Value)));
};

template <Text Key, bool Value> struct B {
    static constexpr auto bytes = Entry<Key>(std::array<char, 1>{Value ? '\1' : '\0'});
};

template <Text Key, std::uint32_t Rgb> struct C {
    static_assert(Rgb <= 0xFFFFFF, "a colour is 0xRRGGBB");
    static constexpr auto bytes = Entry<Key>(std::array<char, 3>{
        static_cast<char>(Rgb >> 16), static_cast<char>(Rgb >> 8), static_cast<char>(Rgb)});
};

template <Text Key, Text Value> struct S {
    static constexpr auto bytes = Entry<Key>(Concat(BigEndian(Value.size), Chars<Value>()));
};

// The entries (or streams) one after another.
template <class... Parts> struct Stream {
    static constexpr auto bytes = Concat(Parts::bytes...);
    static constexpr std::string_view view() { return {bytes.data(), bytes.size()}; }
};

// The stream of one control, which opens with its name, array index, place
// and locks; it also tells the control's class and name.
// clang-format off
template <Text ClassName, Text Name, Box At, Locks Lock, class... Rest>
struct Control : Stream<S<"Name", Name>,
                        I<"Index", kNoIndex>,
                        I<"Left", At.left>,
                        I<"Top", At.top>,
                        I<"Width", At.width>,
                        I<"Height", At.height>,
                        B<"LockLeft", Lock.left>,
                        B<"LockTop", Lock.top>,
                        B<"LockRight", Lock.right>,
                        B<"LockBottom", Lock.bottom>,
                        Rest...> {
    static constexpr std::string_view className = ClassName.view();
    static constexpr std::string_view name = Name.view();
};

// The four font keys of a control's stream, in their order.
template <Text Face, bool Bold = false, bool Italic = false>
using FontKeys = Stream<S<"TextFont", Face>,
                        B<"Bold", Bold>,
                        B<"Italic", Italic>,
                        B<"Underline", false>>;

// A label's stream: every key of the class in its order, with the values
// that tell one label from another as parameters. Font is a FontKeys run.
template <Text Name, Box At, Locks Lock, int Tab, Text Parent, Text Shows, int Align,
          std::uint32_t Ink, bool Lines, bool Shown, class Font>
using LabelControl = Control<"Label", Name, At, Lock,
                             I<"TabPanelIndex", 0>,
                             I<"TabIndex", Tab>,
                             S<"Text", Shows>,
                             I<"TextAlign", Align>,
                             C<"TextColor", Ink>,
                             B<"Multiline", Lines>,
                             B<"Enabled", true>,
                             B<"Visible", Shown>,
                             B<"Selectable", false>,
                             B<"Transparent", false>,
                             S<"HelpTag", "">,
                             B<"AutoDeactivate", true>,
                             Font,
                             S<"DataSource", "">,
                             S<"DataField", "">,
                             S<"InitialParent", Parent>>;
// clang-format on

// A window's layout row for a control stream; the text size, when given, is
// set before the stream.
template <class Of> constexpr ControlLayout Row(std::optional<float> textSize = std::nullopt) {
    return {Of::name, Of::className, Of::view(), textSize};
}

} // namespace streamdata

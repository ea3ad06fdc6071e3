#pragma once

// The character codes of the key texts that KeyDown handlers receive for keys
// that type no printable character: a handler compares Asc(key) with them, or
// the key with Chr of them.
namespace KeyCode {
constexpr int Enter = 3; // keypad Enter
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int Left = 28;
constexpr int Right = 29;
constexpr int Up = 30;
constexpr int Down = 31;
constexpr int Delete = 127; // forward Delete
} // namespace KeyCode

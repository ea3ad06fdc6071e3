#pragma once

// Conversions between numbers and the texts the calculator shows, stores and
// reads back. Everything here is independent of the process locale: the
// decimal point is always "." and digits are never grouped.
//
// Infinities and not-a-number are written as "INF", "-INF" and "NAN"; Val
// reads these words back.
//
// Decimal rounding (Format, Str) is half away from zero and works on the
// shortest decimal text that identifies the double, i.e. on the value the
// user sees: 1.005 shown with two decimals is "1.01", even though the nearest
// double is a little below 1.005.

#include <cstdint>
#include <string>

// Reads the number at the start of `text`: an optional "-", then digits with
// at most one "." (".5", "12." and "3.25" are all numbers). Reading stops at
// the first character that does not continue the number, so "1.2.3" is 1.2
// and "7abc" is 7. No exponent, comma, "+" or leading blank is accepted; a
// text that does not start with a number is 0. The digits are converted
// correctly rounded; numbers too large for a double give +/-infinity, numbers
// too small give 0. A text starting with "INF", "-INF" or "NAN" (upper case,
// as written by Format and Str) gives +infinity, -infinity or not-a-number.
double Val(const std::string& text);

// Formats `value` under a mask such as "-#.00" or "-#.##":
//   "-"  anywhere in the mask: negative values get a leading "-", also those
//        that round to zero ("-0.00" for -0.001) and negative zero, which is
//        what such a text reads back as: it formats to the same text again.
//        Without a "-" the magnitude is shown, as the mask asks for no sign.
//   "."  starts the decimals. Without a point the value is rounded to a whole
//        number.
//   "0"  after the point: a decimal that is always shown (trailing zeros kept).
//   "#"  after the point: a decimal shown only when it is not a trailing zero;
//        the point is dropped when no decimals remain.
// The integer part is always written in full (at least "0", no grouping, no
// exponent), so "#" and "0" before the point carry no further meaning. Any
// other character in the mask is ignored. An empty mask formats as Str.
std::string Format(double value, const std::string& mask);

// Writes `value` with at most 15 significant digits, rounded half away from
// zero, in plain digits without exponent, trailing zeros or trailing point:
// 0.1 + 0.2 gives "0.3", 1e20 gives "100000000000000000000", 1e-7 gives
// "0.0000001", and both zeros give "0". Where 15 digits would round beyond
// the largest double, the shortest text that reads back as `value` is
// written instead, so Val never reads infinity from the text of a finite
// value.
std::string Str(double value);

// Converts to Int32, rounding fractions half away from zero (2.5 -> 3,
// -2.5 -> -3). Page layout relies on this, e.g. 672 / 19 = 35.37 lines fit
// as 35. Values beyond the Int32 range, infinities included, clamp to
// INT32_MIN / INT32_MAX; not-a-number gives 0.
int32_t CInt32(double value);

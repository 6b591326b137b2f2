#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tandrel {

// Hours, minutes and seconds, each at least two digits, joined with ":": 3661 is 01:01:01 and
// 360000 is 100:00:00. A negative count, which only a confused engine reports, shows as 0.
std::string FormatTime(int32_t seconds);

// The seek knob's text for an engine position of 0.0 to 1.0: the position times 100 in single
// precision, at most seven significant digits, trailing zeros dropped, with `decimalSeparator`.
// A value too small to write without an exponent (below 0.0001) is written as 0, where the knob
// stands anyway.
std::string KnobText(double position, const std::string& decimalSeparator);

// Reads the number a text begins with, the point as decimal separator: blanks, tabs and line
// feeds are skipped anywhere, reading stops at the first character that cannot continue the
// number, and a text without a number reads as 0. Nothing when the number is too large for any
// position (such as 1e999).
std::optional<double> ReadNumber(const std::string& text);

}  // namespace tandrel

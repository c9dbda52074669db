// The channel boxes of the main window read as colour channels: three decimal boxes (0 to 255,
// a fraction allowed) and three hexadecimal ones (two digits, 00 to FF).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace swatchly {

// What a decimal box's text is corrected to before it is used: "0" for a text that is no
// number or a number below 0, "255" for one above 255; nothing when the text stands as typed.
// A number may have blanks around it, a sign, digits and at most one point.
std::optional<std::string> decimalCorrection(std::string_view text);

// The channel of a decimal box's text: out-of-range numbers and non-numbers as
// decimalCorrection corrects them, a fraction rounded to the nearest integer, a half to the
// even one.
int decimalChannel(std::string_view text);

// The channel of a hexadecimal box's text, completed to two digits first ("" and "0" give
// "00", "F" gives "0F"); lower case, which only pasting brings, counts like upper case. Nothing
// when the completed text is not a hexadecimal pair.
std::optional<int> hexChannel(std::string_view text);

} // namespace swatchly

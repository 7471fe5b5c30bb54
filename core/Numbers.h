#pragma once

// Numbers as texts, the same in every locale: a "." before the decimals, never a ",".

#include <optional>
#include <string>
#include <string_view>

// `value` with `decimals` digits after the point, padded on the left with spaces to `width`
// characters (as printf's "%width.decimalsf" in the C locale).
std::string FormatFixed(double value, int decimals, int width = 0);

// `value` with at most `decimals` digits after the point and none trailing: "1.5", "2", "0.25".
std::string FormatShort(double value, int decimals = 3);

// A decimal number at the start of `text` ("4.75 kbps" gives 4.75); no value when it has none.
std::optional<double> ParseLeadingNumber(std::string_view text);

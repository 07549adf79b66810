// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zorva {

/// Whether a printf-style format may be given one double: every '%' is "%%" or starts the
/// one conversion, '%' [flags "-+ #0'"] [width] ['.' precision] ['l'] one of "fFeEgGaA",
/// with width and precision at most 1000. A format without a conversion is valid too.
bool is_valid_user_format(std::string_view format);

/// The text that printf makes of `format` with `value`; `format` must be valid.
std::string apply_user_format(const std::string& format, double value);

}  // namespace zorva

// SPDX-License-Identifier: MIT
#pragma once

namespace zorva {

/// Opens /dev/null on each of the descriptors 0, 1 and 2 that is closed, so that no file the
/// process opens later can take its number and be read as input or written as output.
/// Returns whether descriptor 1 was open: results have nowhere to go when it was not.
bool reserve_standard_descriptors();

}  // namespace zorva

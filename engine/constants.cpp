// SPDX-License-Identifier: MIT
#include "engine/constants.h"

namespace zorva {

void define_constants(NamedValues& names) {
    for (const Constant& constant : constants) names.named_value_set(constant.name, constant.value);
}

}  // namespace zorva

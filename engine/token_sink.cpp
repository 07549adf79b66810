// SPDX-License-Identifier: MIT
#include "engine/token_sink.h"

#include <string>

namespace zorva {

void RecordingSink::take_token(std::string_view text, TokenKind kind) {
    list_.push_back({std::string(text), kind});
    if (next_ != nullptr) next_->take_token(text, kind);
}

}  // namespace zorva

// SPDX-License-Identifier: MIT
#include "cli/character_locale.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>

namespace zorva {

CharacterLocale::CharacterLocale() {
    if (const char* current = std::setlocale(LC_CTYPE, nullptr)) previous_ = current;
    for (const char* name : {"C.UTF-8", ""}) {
        if (std::setlocale(LC_CTYPE, name) != nullptr &&
            std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
            return;
        }
    }
    std::setlocale(LC_CTYPE, previous_.c_str());
}

CharacterLocale::~CharacterLocale() { std::setlocale(LC_CTYPE, previous_.c_str()); }

}  // namespace zorva

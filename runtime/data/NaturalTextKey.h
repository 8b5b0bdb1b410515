#pragma once

#include <string>
#include <string_view>

namespace dirdock {

// Appends to out a byte string whose plain byte order is the natural order
// of texts: ASCII letters folded to capitals, bytes from 0x80 on as they
// are, and every run of digits ordered by its numeric value, however long.
// Texts that differ only in case or leading zeros get equal keys, so a
// caller breaks such ties on the texts' own bytes.
void AppendNaturalTextKey(std::string& out, std::string_view text);

} // namespace dirdock

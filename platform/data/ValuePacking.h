#pragma once

#include "Value.h"

#include <string>

namespace ado {

// Values packed one after another into bytes, to pass rows between threads: the bytes are
// written and read in order, where values handed over as they are would move their strings'
// buffers between the processors' caches. A value packs as its alternative's number, then its
// contents: numbers and dates as they lie in memory, texts, decimals and bytes as their length
// and bytes.
void PackValue(std::string& out, const Value& value);
// Reads the value packed at p into value (reusing the text or bytes it holds) and moves p past it.
void UnpackValue(const char*& p, Value& value);

}  // namespace ado

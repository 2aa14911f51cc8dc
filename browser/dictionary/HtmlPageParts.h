#pragma once

// The style and script that every dictionary page carries inline.
namespace htmlpage {

extern const char* const kStyle;
extern const char* const kScript;

}  // namespace htmlpage

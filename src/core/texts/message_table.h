#pragma once
// Raw message table; use MessageText (messages.h) to read it.

#include <cstddef>

namespace dorvex::texts {

struct MessageEntry {
  int number;
  const char* english;  // nullptr: no entry in English
  const char* czech;    // nullptr: no entry in Czech
};

extern const MessageEntry kMessageTable[];
extern const std::size_t kMessageTableSize;

}  // namespace dorvex::texts

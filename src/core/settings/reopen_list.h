#pragma once
// The recently used distribution files, newest first, as the re-open grid shows them.

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_file.h"

namespace dorvex::settings {

struct ReOpenEntry {
  std::string path;       // full path of the distribution file
  std::string multiple;   // text of the multiple it was used with, e.g. "1.00"
  std::string intervals;  // number of intervals as text
};

class ReOpenList {
 public:
  static constexpr int kCapacity = 30;

  // A list holding `entries` as given (newest first), cut to kCapacity; none selected.
  static ReOpenList FromEntries(std::vector<ReOpenEntry> entries);

  // The entries, newest first; at most kCapacity.
  const std::vector<ReOpenEntry>& Entries() const { return entries_; }
  // The entry last selected or added, 1-based; 0 when none.
  int Selected() const { return selected_; }
  // The entry of the file at `path` (the whole path compared); nullptr when none.
  const ReOpenEntry* Find(std::string_view path) const;
  // Marks entry `index` (1-based) as selected; an index outside the list selects none.
  void Select(int index);

  // Puts a new entry at the top (the oldest falls off a full list) and selects it,
  // unless an entry with the same path and the same multiple text exists: then
  // nothing changes, the order neither.
  void Add(std::string_view path, std::string_view multiple, std::string_view intervals);
  // Removes the selected entry; the ones after it move up. Selects none.
  void DeleteSelected();
  // Empties the list.
  void Clear();

 private:
  std::vector<ReOpenEntry> entries_;
  int selected_ = 0;
};

// The list stored in the settings file ("Celkem ReOpen" and three keys per entry);
// a missing or out-of-range count reads as an empty (or a full) list.
ReOpenList ReadReOpenList(const SettingsFile& settings);
// Stores the list numbered from 0 without gaps and removes the keys of places
// beyond its end.
void WriteReOpenList(const ReOpenList& list, SettingsFile& settings);

}  // namespace dorvex::settings

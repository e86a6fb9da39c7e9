#include "settings/reopen_list.h"

#include <algorithm>

namespace dorvex::settings {

namespace {

constexpr std::string_view kCountKey = "Celkem ReOpen";

// Two blanks before "[" in the path and count keys, one in the multiple key.
std::string PathKey(int i) { return "ReOpen soubor  [" + std::to_string(i) + "]"; }
std::string MultipleKey(int i) { return "ReOpen nasobek [" + std::to_string(i) + "]"; }
std::string IntervalsKey(int i) { return "ReOpen PocInt  [" + std::to_string(i) + "]"; }

}  // namespace

ReOpenList ReOpenList::FromEntries(std::vector<ReOpenEntry> entries) {
  ReOpenList list;
  if (static_cast<int>(entries.size()) > kCapacity) entries.resize(kCapacity);
  list.entries_ = std::move(entries);
  return list;
}

const ReOpenEntry* ReOpenList::Find(std::string_view path) const {
  for (const ReOpenEntry& entry : entries_) {
    if (entry.path == path) return &entry;
  }
  return nullptr;
}

void ReOpenList::Select(int index) {
  selected_ = (index >= 1 && index <= static_cast<int>(entries_.size())) ? index : 0;
}

void ReOpenList::Add(std::string_view path, std::string_view multiple, std::string_view intervals) {
  const bool known = std::any_of(entries_.begin(), entries_.end(), [&](const ReOpenEntry& e) {
    // The whole path: two files of one name in two folders are two entries.
    return e.path == path && e.multiple == multiple;
  });
  if (known) return;
  entries_.insert(entries_.begin(),
                  ReOpenEntry{std::string(path), std::string(multiple), std::string(intervals)});
  if (static_cast<int>(entries_.size()) > kCapacity) entries_.resize(kCapacity);
  selected_ = 1;
}

void ReOpenList::DeleteSelected() {
  if (selected_ >= 1 && selected_ <= static_cast<int>(entries_.size())) {
    entries_.erase(entries_.begin() + (selected_ - 1));
  }
  selected_ = 0;
}

void ReOpenList::Clear() {
  entries_.clear();
  selected_ = 0;
}

ReOpenList ReadReOpenList(const SettingsFile& settings) {
  const int count = std::clamp(settings.ReadInteger(kSectionReOpen, kCountKey, 0), 0, ReOpenList::kCapacity);
  std::vector<ReOpenEntry> stored;
  for (int i = 0; i < count; ++i) {
    stored.push_back({settings.ReadString(kSectionReOpen, PathKey(i), ""),
                      settings.ReadString(kSectionReOpen, MultipleKey(i), ""),
                      settings.ReadString(kSectionReOpen, IntervalsKey(i), "")});
  }
  return ReOpenList::FromEntries(std::move(stored));
}

void WriteReOpenList(const ReOpenList& list, SettingsFile& settings) {
  const auto& entries = list.Entries();
  const int count = static_cast<int>(entries.size());
  settings.WriteInteger(kSectionReOpen, kCountKey, count);
  for (int i = 0; i < count; ++i) {
    settings.WriteString(kSectionReOpen, PathKey(i), entries[static_cast<std::size_t>(i)].path);
    settings.WriteString(kSectionReOpen, MultipleKey(i), entries[static_cast<std::size_t>(i)].multiple);
    settings.WriteString(kSectionReOpen, IntervalsKey(i), entries[static_cast<std::size_t>(i)].intervals);
  }
  for (int i = count; i < ReOpenList::kCapacity; ++i) {
    settings.DeleteKey(kSectionReOpen, PathKey(i));
    settings.DeleteKey(kSectionReOpen, MultipleKey(i));
    settings.DeleteKey(kSectionReOpen, IntervalsKey(i));
  }
}

}  // namespace dorvex::settings

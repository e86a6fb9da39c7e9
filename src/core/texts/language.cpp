#include "texts/language.h"

#include <atomic>

namespace dorvex::texts {

namespace {
// English until the settings say otherwise.
std::atomic<Language> g_language{Language::English};
}  // namespace

Language CurrentLanguage() { return g_language.load(std::memory_order_relaxed); }

void SetLanguage(Language language) { g_language.store(language, std::memory_order_relaxed); }

}  // namespace dorvex::texts

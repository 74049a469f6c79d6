#include "model/zmiany_zaznaczenia.h"

#include <atomic>

namespace {

// Layouts are also built on worker threads (imports, background copies).
std::atomic<std::uint64_t> pokolenie{1};

}  // namespace

std::uint64_t pokolenie_zaznaczenia() { return pokolenie.load(std::memory_order_relaxed); }

void zmiana_zaznaczenia() { pokolenie.fetch_add(1, std::memory_order_relaxed); }

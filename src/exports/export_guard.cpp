#include "exports/export_guard.h"

#include <cstring>
#include <initializer_list>

namespace vxcl {

namespace {

// Per thread and trivially destroyed: a thread-local with a destructor
// would keep the library loaded until every thread that called it ended.
constexpr std::size_t kMessageCapacity = 4096;
struct MessageStore {
  char text[kMessageCapacity];
  std::size_t length;
};
thread_local MessageStore lastError{};

struct ResultRow {
  int value;
  const char* calls;
  const char* meaning;
};

constexpr ResultRow kResultRows[] = {
#define VXCL_RESULT(name, value, kind, calls, meaning) {value, calls, meaning},
#define VXCL_RESULT_FOR(name, kind, calls, meaning) {name, calls, meaning},
#include "vxclcmd_results.def"
#undef VXCL_RESULT
#undef VXCL_RESULT_FOR
};

bool ListsCall(std::string_view calls, std::string_view call) {
  while (!calls.empty()) {
    const std::size_t blank = calls.find(' ');
    if (calls.substr(0, blank) == call) return true;
    if (blank == std::string_view::npos) break;
    calls.remove_prefix(blank + 1);
  }
  return false;
}

bool IsSpoolerCode(int code) {
  return code >= VXCL_SPOOL_DEFAULT_PRINTER && code <= VXCL_SPOOL_QUEUE_FULL;
}

}  // namespace

void RecordLastError(std::initializer_list<std::string_view> parts) noexcept {
  MessageStore& store = lastError;
  std::size_t length = 0;
  for (std::string_view part : parts) {
    const std::size_t room = kMessageCapacity - length;
    if (part.size() <= room) {
      std::memcpy(store.text + length, part.data(), part.size());
      length += part.size();
      continue;
    }
    // Cut where no UTF-8 sequence is split, and say so.
    constexpr std::string_view kCut = "...";
    const std::size_t start = length;
    std::size_t keep = kMessageCapacity - kCut.size();
    if (keep > start)
      std::memcpy(store.text + start, part.data(), keep - start);
    auto firstLeftOut = [&](std::size_t at) {
      return static_cast<unsigned char>(at >= start ? part[at - start]
                                                    : store.text[at]);
    };
    while (keep > 0 && (firstLeftOut(keep) & 0xC0) == 0x80) --keep;
    std::memcpy(store.text + keep, kCut.data(), kCut.size());
    length = keep + kCut.size();
    break;
  }
  store.length = length;
}

void ClearLastError() noexcept { lastError.length = 0; }

std::string_view LastErrorMessage() noexcept {
  const MessageStore& store = lastError;
  return {store.text, store.length};
}

std::string_view ResultMeaning(std::string_view call, int code) noexcept {
  const ResultRow* anyCall = nullptr;
  for (const ResultRow& row : kResultRows) {
    if (row.value != code) continue;
    if (ListsCall(row.calls, call)) return row.meaning;
    if (!anyCall && std::string_view(row.calls) == "*") anyCall = &row;
  }
  return anyCall ? anyCall->meaning : "unexpected result";
}

int Answer(std::string_view call, const Outcome& outcome) noexcept {
  if (outcome.code == VXCL_OK) {
    // Done, with a note (text drawn from a face other than the one asked).
    if (!outcome.message.empty())
      RecordLastError({call, ": ", outcome.message});
    return outcome.code;
  }
  if (IsSpoolerCode(outcome.code) && !outcome.message.empty())
    RecordLastError({outcome.message});
  else if (outcome.message.empty())
    RecordLastError({call, ": ", ResultMeaning(call, outcome.code)});
  else
    RecordLastError({call, ": ", outcome.message});
  return outcome.code;
}

}  // namespace vxcl

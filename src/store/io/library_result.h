#pragma once
// The result of every library and event-store operation, and what the user is shown for it.

#include <cstdint>
#include <iosfwd>
#include <span>

namespace zm {

// What a library or event-store operation came to. Compare with LibraryResult::Ok; there is no
// conversion to bool or to a number. The numbers are listed in library_results.inc; CodeOf gives
// one where a result is printed.
enum class [[nodiscard]] LibraryResult : uint32_t{
#define ZM_RESULT(name, code, message, sound) name = code,
#include "store/io/library_results.inc"
#undef ZM_RESULT
};

constexpr uint32_t CodeOf(LibraryResult result) {
    return static_cast<uint32_t>(result);
}

// The sound that comes before a result's message.
enum class ResultSound : uint8_t { None, Beep, Stop };

struct ResultMessage {
    int stringId = 0; // 0: the code is silent
    ResultSound sound = ResultSound::None;
    bool Silent() const { return stringId == 0; }
};

// One line of the result table.
struct ResultEntry {
    LibraryResult result;
    const char* name;
    ResultMessage message;
};

// The whole table, in ascending code order.
std::span<const ResultEntry> AllResults();

// What the common error reporter shows for a result.
ResultMessage MessageOf(LibraryResult result);

// The name of a result ("Corrupted"), or "unknown" for a number outside the table.
const char* NameOf(LibraryResult result);

// "Corrupted (12)": for logs and test messages.
std::ostream& operator<<(std::ostream& out, LibraryResult result);

} // namespace zm

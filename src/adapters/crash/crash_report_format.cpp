#include "adapters/crash/crash_report_format.h"

#include "res/strings.h"

namespace zm {
namespace {

// Appends one character when there is room for it and the zero end.
void Put(char* buffer, size_t capacity, size_t& length, char c) {
    if (length + 1 < capacity) buffer[length++] = c;
}

void PutHex(char* buffer, size_t capacity, size_t& length, uint64_t value, int minDigits) {
    char digits[16];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 0xF];
        value >>= 4;
    } while (value != 0 && n < 16);
    for (int i = n; i < minDigits && i < 16; ++i)
        Put(buffer, capacity, length, '0');
    while (n > 0)
        Put(buffer, capacity, length, digits[--n]);
}

} // namespace

size_t SafeFormat(char* buffer, size_t capacity, size_t length, const char* pattern,
                  const SafeArg* args, size_t count) {
    if (capacity == 0) return 0;
    size_t next = 0;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p != '%') {
            Put(buffer, capacity, length, *p);
            continue;
        }
        const char* conversion = p + 1;
        int digits = 1;
        if (*conversion == '.') {
            digits = 0;
            for (++conversion; *conversion >= '0' && *conversion <= '9'; ++conversion)
                digits = digits * 10 + (*conversion - '0');
        }
        const SafeArg arg = next < count ? args[next] : SafeArg{};
        if (*conversion == 'x') {
            PutHex(buffer, capacity, length, arg.number, digits);
            ++next;
        } else if (*conversion == 's') {
            for (const char* t = arg.text ? arg.text : ""; *t != '\0'; ++t)
                Put(buffer, capacity, length, *t);
            ++next;
        } else if (*conversion == '%') {
            Put(buffer, capacity, length, '%');
        } else {
            Put(buffer, capacity, length, '%');
            continue;
        }
        p = conversion;
    }
    buffer[length] = '\0';
    return length;
}

size_t FormatCrashReport(const CrashFacts& facts, char* buffer, size_t capacity) {
    if (capacity == 0) return 0;
    const SafeArg address{0, LoadString(IDS_CRASH_SUPPORT_ADDRESS)};
    size_t length =
        SafeFormat(buffer, capacity, 0, LoadString(IDS_CRASH_SEND_REQUEST), &address, 1);

    SafeArg args[3 + 16 + kCrashStackWords];
    args[0].number = facts.code;
    args[1].number = facts.address;
    args[2].text = facts.access;
    for (size_t i = 0; i < 16; ++i)
        args[3 + i].number = facts.registers[i];
    for (size_t i = 0; i < kCrashStackWords; ++i)
        args[19 + i].number = facts.stack[i];
    const char* layout = LoadString(facts.wide ? IDS_CRASH_REPORT_64 : IDS_CRASH_REPORT);
    return SafeFormat(buffer, capacity, length, layout, args, sizeof args / sizeof args[0]);
}

} // namespace zm

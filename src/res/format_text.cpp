#include "res/format_text.h"

#include "res/strings.h"

#include <algorithm>

namespace zm {
namespace {

constexpr int kMaxField = 512;

struct FieldFormat {
    bool left = false;
    bool plus = false;
    bool space = false;
    bool zero = false;
    bool alt = false;
    int width = 0;
    int precision = -1; // -1: none
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a decimal number at `pos`, capped so that no width or precision can ask for more than
// kMaxField characters.
int ReadNumber(std::string_view p, size_t& pos) {
    int n = 0;
    while (pos < p.size() && IsDigit(p[pos])) {
        n = std::min(kMaxField, n * 10 + (p[pos] - '0'));
        ++pos;
    }
    return n;
}

std::string Digits(uint64_t v, unsigned base, bool upper) {
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string s;
    do {
        s.push_back(set[v % base]);
        v /= base;
    } while (v != 0);
    std::reverse(s.begin(), s.end());
    return s;
}

void Pad(std::string& out, std::string_view body, const FieldFormat& field,
         std::string_view prefix = {}, bool zeroAllowed = false) {
    const size_t len = prefix.size() + body.size();
    const size_t width = static_cast<size_t>(field.width);
    const size_t fill = width > len ? width - len : 0;
    if (field.left) {
        out.append(prefix).append(body).append(fill, ' ');
    } else if (field.zero && zeroAllowed) {
        out.append(prefix).append(fill, '0').append(body);
    } else {
        out.append(fill, ' ').append(prefix).append(body);
    }
}

void PutText(std::string& out, std::string_view text, const FieldFormat& field) {
    if (field.precision >= 0) text = text.substr(0, static_cast<size_t>(field.precision));
    Pad(out, text, field);
}

// An unsigned conversion shows a negative 32-bit value as its 32-bit pattern (as the word it
// stands for), and wider negatives as 64-bit patterns.
uint64_t AsUnsigned(int64_t v) {
    if (v < 0 && v >= INT32_MIN) return static_cast<uint32_t>(static_cast<int32_t>(v));
    return static_cast<uint64_t>(v);
}

void PutNumber(std::string& out, int64_t v, char conv, const FieldFormat& field) {
    std::string prefix;
    std::string body;
    if (conv == 'd' || conv == 'i') {
        const bool neg = v < 0;
        const uint64_t mag = neg ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
        body = Digits(mag, 10, false);
        if (neg)
            prefix.assign(1, '-');
        else if (field.plus)
            prefix.assign(1, '+');
        else if (field.space)
            prefix.assign(1, ' ');
    } else {
        const uint64_t u = AsUnsigned(v);
        const bool hex = conv == 'x' || conv == 'X';
        body = Digits(u, hex ? 16 : 10, conv == 'X');
        if (hex && field.alt && u != 0) prefix = {'0', conv};
    }
    if (field.precision >= 0) {
        if (field.precision == 0 && v == 0)
            body.clear();
        else if (body.size() < static_cast<size_t>(field.precision))
            body.insert(0, static_cast<size_t>(field.precision) - body.size(), '0');
    }
    Pad(out, body, field, prefix, field.precision < 0);
}

} // namespace

std::string FormatString(std::string_view p, std::span<const FormatArg> args) {
    std::string out;
    out.reserve(p.size() + 16);
    size_t next = 0; // the next argument in order
    size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        if (c != '%') {
            out.push_back(c);
            ++i;
            continue;
        }
        const size_t start = i++;
        FieldFormat field;
        bool onlyWidth = true; // no flags and no precision: "%1" may be a positional insert
        for (; i < p.size(); ++i) {
            const char f = p[i];
            if (f == '-')
                field.left = true;
            else if (f == '+')
                field.plus = true;
            else if (f == ' ')
                field.space = true;
            else if (f == '0')
                field.zero = true;
            else if (f == '#')
                field.alt = true;
            else
                break;
            onlyWidth = false;
        }
        const size_t widthStart = i;
        field.width = ReadNumber(p, i);
        const bool hasWidth = i > widthStart;
        if (i < p.size() && p[i] == '.') {
            ++i;
            field.precision = ReadNumber(p, i);
            onlyWidth = false;
        }
        // Length modifiers carry no meaning here: every number is 64 bits wide.
        while (i < p.size() && (p[i] == 'h' || p[i] == 'l' || p[i] == 'L' || p[i] == 'z' ||
                                p[i] == 'j' || p[i] == 't'))
            ++i;
        if (p.substr(i, 3) == "I64" || p.substr(i, 3) == "I32") i += 3;

        const char conv = i < p.size() ? p[i] : '\0';
        switch (conv) {
        case '%':
            out.push_back('%');
            ++i;
            break;
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 'c':
        case 's': {
            ++i;
            const FormatArg* arg = next < args.size() ? &args[next] : nullptr;
            ++next;
            if (!arg) {
                Pad(out, {}, field);
            } else if (conv == 's') {
                if (arg->IsNumber())
                    PutText(out, std::to_string(arg->Number()), field);
                else
                    PutText(out, arg->Text(), field);
            } else if (conv == 'c') {
                const char ch = arg->IsNumber() ? static_cast<char>(arg->Number())
                                                : (arg->Text().empty() ? '\0' : arg->Text()[0]);
                Pad(out, ch ? std::string_view(&ch, 1) : std::string_view(), field);
            } else if (arg->IsNumber()) {
                PutNumber(out, arg->Number(), conv, field);
            } else {
                PutText(out, arg->Text(), field); // a text where a number was expected
            }
            break;
        }
        default:
            if (onlyWidth && hasWidth && i == widthStart + 1 && p[widthStart] != '0') {
                // "%1" ... "%9": argument n as text.
                const size_t n = static_cast<size_t>(p[widthStart] - '1');
                if (n < args.size()) {
                    if (args[n].IsNumber())
                        out += std::to_string(args[n].Number());
                    else
                        out += args[n].Text();
                }
            } else {
                out.append(p.substr(start, i - start)); // not a conversion: keep it as written
            }
            break;
        }
    }
    return out;
}

std::string FormatText(int id, std::initializer_list<FormatArg> args) {
    return FormatString(LoadString(id), args);
}

} // namespace zm

#include "format/display_format.h"

#include "format/beat_time.h"
#include "format/conversion_pass.h"
#include "platform/utf8.h"

#include <algorithm>
#include <optional>

namespace zm {
namespace {

// The run buffer: the characters of the run or literal being read, at most kMaxRunLength of
// them; characters past the limit are dropped.
class RunBuffer {
public:
    bool Empty() const { return count_ == 0; }
    std::size_t Length() const { return count_; }
    const std::string& Text() const { return text_; }
    bool EndsWith(std::string_view ch) const {
        return !Empty() && std::string_view(last_, lastSize_) == ch;
    }

    void Add(std::string_view ch) {
        if (count_ < kMaxRunLength) {
            text_.append(ch);
            ++count_;
        }
        SetLast(ch);
    }
    // A percent sign, doubled so that the final pass shows one; both or neither are kept.
    void AddPercent() {
        if (count_ + 2 <= kMaxRunLength) {
            text_.append("%%");
            count_ += 2;
        }
        SetLast("%");
    }
    void Clear() {
        text_.clear();
        lastSize_ = 0;
        count_ = 0;
    }

private:
    // A character is at most four bytes long (see platform/utf8.h).
    void SetLast(std::string_view ch) {
        lastSize_ = std::min(ch.size(), sizeof last_);
        std::copy_n(ch.data(), lastSize_, last_);
    }

    std::string text_;
    char last_[4] = {};
    std::size_t lastSize_ = 0;
    std::size_t count_ = 0;
};

const char* ByLength(std::size_t n, const char* one, const char* two, const char* three,
                     const char* more) {
    return n == 1 ? one : n == 2 ? two : n == 3 ? three : more;
}

std::string PlatformText(const std::optional<std::string>& text, const std::string& run) {
    return text ? std::string(Utf8Prefix(*text, kMaxRunLength)) : run;
}

// The translation of a run outside a literal, by its first character and its length.
std::string TranslateRun(const RunBuffer& run, const CivilTime& moment, DateTime date,
                         const DisplayFormatContext& context) {
    if (run.Empty()) return {};
    const std::size_t n = run.Length();
    switch (run.Text()[0]) {
    case 'd':
        return ByLength(n, "%#d", "%d", "%a", "%A");
    case 'M':
        return ByLength(n, "%#m", "%m", "%b", "%B");
    case 'y':
        return ByLength(n, "%#y", "%y", "%Y", "%Y");
    case 'h':
        return n == 1 ? "%#I" : "%I";
    case 'H':
        return n == 1 ? "%#H" : "%H";
    case 'm':
        return n == 1 ? "%#M" : "%M";
    case 's':
        return n == 1 ? "%#S" : "%S";
    case 'w':
        if (context.weeks) {
            const int week =
                WeekOfYear(date, context.weeks->firstDayOfWeek, context.weeks->firstWeekRule);
            return (n > 1 && week < 10 ? "0" : "") + std::to_string(week);
        }
        return n == 1 ? "%#U" : "%U";
    case 'D':
        return n == 1 ? "%#j" : "%j";
    case 'Z':
        return "%z";
    case 'g':
        return PlatformText(context.formatter.FormatDate(run.Text(), moment), run.Text());
    case 't':
        return PlatformText(context.formatter.FormatTime(run.Text(), moment), run.Text());
    case '@':
        return BeatText(context.clock.UtcNow());
    default:
        return run.Text();
    }
}

CivilTime CivilOf(DateTime t) {
    const YearMonthDay ymd = t.Ymd();
    return CivilTime{ymd.year, ymd.month, ymd.day, t.Hour(), t.Minute(), t.Second()};
}

} // namespace

std::string DisplayFormatToIntermediate(std::string_view format, DateTime moment,
                                        const DisplayFormatContext& context) {
    std::string out;
    if (!IsShowableMoment(moment)) return out;
    const CivilTime civil = CivilOf(moment);
    RunBuffer run;
    bool quoted = false;
    auto flush = [&] {
        out += TranslateRun(run, civil, moment, context);
        run.Clear();
    };
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t len = Utf8CharLength(format, pos);
        const std::string_view ch = format.substr(pos, len);
        pos += len;
        if (quoted) {
            if (ch == "'") {
                out += run.Text();
                run.Clear();
                quoted = false;
            } else {
                run.Add(ch);
            }
            continue;
        }
        // A run goes on while the same character repeats; each percent sign stands alone.
        if (run.EndsWith(ch) && ch != "%") {
            run.Add(ch);
            continue;
        }
        flush();
        if (ch == "%") {
            run.AddPercent();
        } else if (ch == "'") {
            if (pos < format.size() && format[pos] == '\'') {
                out += '\'';
                ++pos;
            } else {
                quoted = true;
            }
        } else if (ch == "|") {
            run.Add("\n");
        } else if (ch != "~") {
            run.Add(ch);
        }
    }
    if (quoted) {
        out += run.Text();
    } else {
        flush();
    }
    return out;
}

std::string ExpandDisplayFormat(std::string_view format, DateTime moment,
                                const DisplayFormatContext& context) {
    const char* zone = context.clock.TimeZoneName();
    return ExpandConversions(DisplayFormatToIntermediate(format, moment, context), moment,
                             context.locale, zone ? zone : "");
}

} // namespace zm

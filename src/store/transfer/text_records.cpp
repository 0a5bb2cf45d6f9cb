#include "store/transfer/text_records.h"

#include <algorithm>
#include <cstring>

namespace zm {

namespace {
constexpr size_t kChunk = 64 * 1024;
} // namespace

long StringByteSource::Read(char* data, size_t capacity) {
    const size_t n = std::min(capacity, bytes_.size() - pos_);
    if (n > 0) std::memcpy(data, bytes_.data() + pos_, n);
    pos_ += n;
    return static_cast<long>(n);
}

bool TextRecordReader::Fill() {
    if (end_) return false;
    if (buf_.size() < kChunk) buf_.resize(kChunk);
    const long n = source_.Read(buf_.data(), buf_.size());
    if (n <= 0) {
        end_ = true;
        failed_ = n < 0;
        len_ = pos_ = 0;
        return false;
    }
    len_ = static_cast<size_t>(n);
    pos_ = 0;
    return true;
}

int TextRecordReader::Peek() {
    if (pos_ >= len_ && !Fill()) return -1;
    return static_cast<unsigned char>(buf_[pos_]);
}

int TextRecordReader::Get() {
    const int c = Peek();
    if (c >= 0) ++pos_;
    return c;
}

TextRecordReader::Status TextRecordReader::Next(std::vector<std::string>& fields) {
    fields.clear();
    if (Peek() < 0) return failed_ ? Status::Failed : Status::End;

    for (;;) {
        std::string& field = fields.emplace_back();
        int c = Get();
        if (c == '"') {
            // Quoted: to the closing quote; a quote that is never closed runs to the end.
            for (;;) {
                c = Get();
                if (c < 0) break;
                if (c == '"') {
                    if (Peek() != '"') break;
                    Get();
                }
                field.push_back(static_cast<char>(c));
            }
            c = Get();
        }
        // Unquoted, or what follows a closing quote: taken as it stands up to the separator
        // or the end of the record.
        for (;;) {
            if (c < 0) {
                if (failed_) return Status::Failed;
                ++records_;
                return Status::Record;
            }
            if (c == static_cast<unsigned char>(sep_)) break;
            // CR LF, a lone LF or a lone CR ends the record.
            if (c == '\r' || c == '\n') {
                if (c == '\r' && Peek() == '\n') Get();
                ++records_;
                return Status::Record;
            }
            field.push_back(static_cast<char>(c));
            c = Get();
        }
    }
}

void AppendTextField(std::string& out, std::string_view text, char separator, bool last) {
    if (!text.empty()) {
        const bool quote = separator == kCommaSeparator ||
                           text.find_first_of("\"\t\r\n") != std::string_view::npos;
        if (quote) {
            out.push_back('"');
            for (char c : text) {
                if (c == '"') out.push_back('"');
                out.push_back(c);
            }
            out.push_back('"');
        } else {
            out.append(text);
        }
    }
    if (last)
        out.append("\r\n");
    else
        out.push_back(separator);
}

std::string TextRecordLine(const std::vector<std::string>& fields, char separator) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i)
        AppendTextField(out, fields[i], separator, i + 1 == fields.size());
    return out;
}

} // namespace zm

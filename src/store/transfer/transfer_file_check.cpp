#include "store/transfer/transfer_file_check.h"

#include "res/strings.h"

#include <cctype>
#include <vector>

namespace zm {

TransferProblem CheckReadable(StoreFileSystem& files, const std::string& path) {
    FileFailure failure;
    if (files.Open(path, FileMode::ReadOnly, failure)) return {};
    return {IDS_IE_CANNOT_READ, path, CauseOfOpen(failure)};
}

TransferProblem CheckWritable(StoreFileSystem& files, const std::string& path) {
    FileFailure failure;
    if (files.Open(path, FileMode::ReadWrite, failure)) return {};
    if (failure.kind == FileFailureKind::NotFound) {
        FileFailure created;
        if (files.Open(path, FileMode::CreateNew, created)) {
            files.Remove(path);
            return {};
        }
        failure = created;
    }
    return {IDS_IE_CANNOT_WRITE, path, CauseOfOpen(failure)};
}

namespace {

std::string Cased(std::string text, bool upper) {
    for (char& c : text)
        c = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(c))
                                    : std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

std::string DialogFilterOf(const std::string& tableFilter) {
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos < tableFilter.size()) {
        const size_t bar = tableFilter.find('|', pos);
        parts.push_back(tableFilter.substr(pos, bar - pos));
        if (bar == std::string::npos) break;
        pos = bar + 1;
    }
    std::string out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) break;
        std::string caption = parts[i];
        if (const size_t open = caption.rfind('('); open != std::string::npos && open > 0)
            caption.erase(caption.find_last_not_of(' ', open - 1) + 1);
        const std::string& pattern = parts[i + 1];
        std::string patterns = pattern == "*.*" ? std::string("*") : Cased(pattern, false);
        if (pattern != "*.*") patterns.append(" ").append(Cased(pattern, true));
        if (!out.empty()) out += ";;";
        out += caption + " (" + patterns + ")";
    }
    return out;
}

} // namespace zm

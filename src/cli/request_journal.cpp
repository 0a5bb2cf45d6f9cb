#include "cli/request_journal.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

// The most of the note that is read: kMaxEntries short lines.
constexpr size_t kMaxNoteBytes = 16 * 1024;

int64_t SystemSeconds() {
    return static_cast<int64_t>(std::time(nullptr));
}

} // namespace

std::string NewRequestIdentity() {
    std::random_device random;
    std::string identity;
    char digits[9];
    for (int i = 0; i < 4; ++i) {
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(random()));
        identity += digits;
    }
    return identity;
}

RequestJournal::RequestJournal(std::string path, std::function<int64_t()> now)
    : path_(std::move(path)), now_(now ? std::move(now) : SystemSeconds) {}

std::vector<RequestJournal::Entry> RequestJournal::Read() const {
    std::vector<Entry> entries;
    if (path_.empty()) return entries;
    // Only a regular file of ours is read, and without waiting on anything else.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return entries;
    struct stat st {};
    std::string text;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
        char buffer[4096];
        ssize_t n = 0;
        while (text.size() < kMaxNoteBytes && (n = ::read(fd, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    const int64_t now = now_();
    size_t from = 0;
    while (from < text.size() && entries.size() < kMaxEntries) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(from, end - from);
        from = end + 1;
        Entry e;
        char identity[kMaxRequestIdentity + 1] = {};
        long long until = 0;
        unsigned long long fingerprint = 0;
        if (std::sscanf(line.c_str(), "%lld %llx %64s", &until, &fingerprint, identity) != 3)
            continue;
        e.until = until;
        e.fingerprint = fingerprint;
        e.identity = identity;
        if (!std::all_of(e.identity.begin(), e.identity.end(),
                         [](unsigned char c) { return std::isalnum(c) != 0; }))
            continue;
        if (e.until > now && e.until <= now + kWindow.count()) entries.push_back(std::move(e));
    }
    return entries;
}

void RequestJournal::Write(const std::vector<Entry>& entries) const {
    if (path_.empty()) return;
    std::string text;
    for (const Entry& e : entries) {
        char line[160];
        std::snprintf(line, sizeof line, "%" PRId64 " %016" PRIx64 " %s\n", e.until, e.fingerprint,
                      e.identity.c_str());
        text += line;
    }
    if (text.empty()) {
        ::unlink(path_.c_str());
        return;
    }
    // A fresh private file renamed over the note: a reader sees the old note or the new one.
    const std::string fresh = path_ + ".new";
    ::unlink(fresh.c_str());
    const int fd =
        ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!written || ::rename(fresh.c_str(), path_.c_str()) != 0) ::unlink(fresh.c_str());
}

std::string RequestJournal::IdentityFor(const CompanionRequest& request) const {
    const uint64_t fingerprint = RequestFingerprint(request);
    for (const Entry& e : Read())
        if (e.fingerprint == fingerprint) return e.identity;
    return NewRequestIdentity();
}

void RequestJournal::Unanswered(const CompanionRequest& request) const {
    if (request.identity.empty()) return;
    const uint64_t fingerprint = RequestFingerprint(request);
    std::vector<Entry> entries = Read();
    std::erase_if(entries, [&](const Entry& e) { return e.fingerprint == fingerprint; });
    if (entries.size() >= kMaxEntries) entries.erase(entries.begin());
    entries.push_back({now_() + kWindow.count(), fingerprint, request.identity});
    Write(entries);
}

void RequestJournal::Answered(const CompanionRequest& request) const {
    const uint64_t fingerprint = RequestFingerprint(request);
    std::vector<Entry> entries = Read();
    const size_t before = entries.size();
    std::erase_if(entries, [&](const Entry& e) { return e.fingerprint == fingerprint; });
    if (entries.size() != before) Write(entries);
}

} // namespace zm

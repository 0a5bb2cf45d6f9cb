#include "store/quick/quick_file.h"

#include "store/io/archive_io.h"
#include "store/types/image_list_stream.h"
#include "store/io/side_file.h"

#include <cstring>

namespace zm {
namespace {

constexpr size_t kMagicLength = sizeof(kQuickMagic) - 1;

bool ReadRecord(ArchiveReader& in, uint32_t schema, QuickReminder& q) {
    uint32_t tag, offset;
    if (!in.u32(tag) || tag != kQuickRecordTag) return false;
    if (!in.u32(offset) || !in.u32(q.Sound) || !in.text(q.TypeName) || !in.text(q.MenuName) ||
        !in.text(q.EventName) || !in.text(q.SoundFile))
        return false;
    q.Offset = TimeAmount(offset);
    if (schema >= 2 && !in.u32(q.SoundPause)) return false;
    return true;
}

void PutU32(std::vector<uint8_t>& v, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        v[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

bool ParseQuickFile(std::span<const uint8_t> bytes, QuickFileContent& out) {
    if (bytes.size() < kQuickHeaderSize) return false;
    if (std::memcmp(bytes.data(), kQuickMagic, kMagicLength) != 0) return false;
    uint32_t schema, count;
    ArchiveReader(bytes.subspan(kQuickSchemaOffset)).u32(schema);
    ArchiveReader(bytes.subspan(kQuickCountOffset)).u32(count);
    if (schema < 1 || schema > 2 || count > kMaxQuickReminders) return false;

    QuickFileContent c;
    c.schema = schema;
    ArchiveReader in(bytes.subspan(kQuickHeaderSize));
    if (!ReadImageListStream(in, kQuickIconSize, count, c.icons)) return false;
    c.entries.resize(count);
    for (QuickReminder& q : c.entries)
        if (!ReadRecord(in, schema, q)) return false;
    out = std::move(c);
    return true;
}

std::vector<uint8_t> SerializeQuickFile(const QuickList& list) {
    ArchiveWriter w;
    w.zeros(kQuickHeaderSize);
    WriteImageListStream(w, kQuickIconSize, list.icons());
    for (const QuickReminder& q : list.entries()) {
        w.u32(kQuickRecordTag);
        w.u32(q.Offset.word);
        w.u32(q.Sound);
        if (!w.text(q.TypeName) || !w.text(q.MenuName) || !w.text(q.EventName) ||
            !w.text(q.SoundFile))
            return {};
        w.u32(q.SoundPause);
    }
    std::vector<uint8_t> bytes = w.take();
    std::memcpy(bytes.data(), kQuickMagic, kMagicLength);
    PutU32(bytes, kQuickSchemaOffset, kQuickSchema);
    PutU32(bytes, kQuickCountOffset, static_cast<uint32_t>(list.count()));
    return bytes;
}

SideFileOutcome saveQuickReminders(const QuickList& list, const std::string& folder) {
    SideFileOutcome out;
    out.path = SideFilePath(folder, kQuickFileName);
    if (out.path.empty()) {
        out.cause = FileCause::BadPath;
        return out;
    }
    const std::vector<uint8_t> bytes = SerializeQuickFile(list);
    out.cause = bytes.empty() ? FileCause::Generic : WriteFileAtomically(out.path, bytes);
    return out;
}

SideFileOutcome loadQuickReminders(QuickList& list, const std::string& folder) {
    const std::string path = SideFilePath(folder, kQuickFileName);
    if (path.empty()) {
        SideFileOutcome out;
        out.cause = FileCause::BadPath;
        return out;
    }
    auto startEmpty = [&] {
        list.clear();
        return saveQuickReminders(list, folder);
    };
    std::vector<uint8_t> bytes;
    const FileCause read = ReadWholeFile(path, bytes);
    if (read == FileCause::FileNotFound) {
        SideFileOutcome out = startEmpty();
        out.created = out.ok();
        return out;
    }
    QuickFileContent content;
    if (read == FileCause::None && ParseQuickFile(bytes, content)) {
        list.assign(std::move(content.entries), std::move(content.icons));
        SideFileOutcome out;
        out.path = path;
        return out;
    }
    return ReplaceUnreadableFile(path, startEmpty);
}

} // namespace zm

#include "store/quick/quick_file.h"

#include "platform/byte_order.h"
#include "store/io/archive_io.h"
#include "store/io/side_file.h"
#include "store/quick/quick_starters.h"
#include "store/types/image_list_stream.h"

#include <cstring>

namespace zm {
namespace {

constexpr size_t kMagicLength = sizeof(kQuickMagic) - 1;

bool ReadRecord(ArchiveReader& in, uint32_t schema, QuickReminder& q) {
    uint32_t tag, offset;
    if (!in.U32(tag) || tag != kQuickRecordTag) return false;
    if (!in.U32(offset) || !in.U32(q.sound) || !in.Text(q.typeName) || !in.Text(q.menuName) ||
        !in.Text(q.eventName) || !in.Text(q.soundFile))
        return false;
    q.offset = TimeAmount(offset);
    if (schema >= 2 && !in.U32(q.soundPause)) return false;
    return true;
}

} // namespace

bool ParseQuickFile(std::span<const uint8_t> bytes, QuickFileContent& out) {
    if (bytes.size() < kQuickHeaderSize) return false;
    if (std::memcmp(bytes.data(), kQuickMagic, kMagicLength) != 0) return false;
    uint32_t schema, count;
    ArchiveReader(bytes.subspan(kQuickSchemaOffset)).U32(schema);
    ArchiveReader(bytes.subspan(kQuickCountOffset)).U32(count);
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
    w.Zeros(kQuickHeaderSize);
    WriteImageListStream(w, kQuickIconSize, list.Icons());
    for (const QuickReminder& q : list.Entries()) {
        w.U32(kQuickRecordTag);
        w.U32(q.offset.word);
        w.U32(q.sound);
        if (!w.Text(q.typeName) || !w.Text(q.menuName) || !w.Text(q.eventName) ||
            !w.Text(q.soundFile))
            return {};
        w.U32(q.soundPause);
    }
    std::vector<uint8_t> bytes = w.Take();
    std::memcpy(bytes.data(), kQuickMagic, kMagicLength);
    PutLe32(bytes.data() + kQuickSchemaOffset, kQuickSchema);
    PutLe32(bytes.data() + kQuickCountOffset, static_cast<uint32_t>(list.Count()));
    return bytes;
}

SideFileOutcome SaveQuickReminders(const QuickList& list, const std::string& folder) {
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

SideFileOutcome LoadQuickReminders(QuickList& list, const std::string& folder) {
    const std::string path = SideFilePath(folder, kQuickFileName);
    if (path.empty()) {
        SideFileOutcome out;
        out.cause = FileCause::BadPath;
        return out;
    }
    std::vector<uint8_t> bytes;
    const FileCause read = ReadWholeFile(path, bytes);
    if (read == FileCause::FileNotFound) {
        list = StarterQuickReminders();
        SideFileOutcome out = SaveQuickReminders(list, folder);
        out.created = out.Ok();
        return out;
    }
    QuickFileContent content;
    if (read == FileCause::None && ParseQuickFile(bytes, content)) {
        list.Assign(std::move(content.entries), std::move(content.icons));
        SideFileOutcome out;
        out.path = path;
        return out;
    }
    list.Clear();
    return ReplaceUnreadableFile(path, [&] { return SaveQuickReminders(list, folder); });
}

} // namespace zm

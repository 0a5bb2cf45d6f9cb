#include "store/types/types_file.h"

#include "platform/byte_order.h"
#include "res/artwork.h"
#include "store/io/archive_io.h"
#include "store/io/side_file.h"
#include "store/types/image_list_stream.h"

#include <algorithm>
#include <cstring>

namespace zm {
namespace {

constexpr size_t kMagicLength = sizeof(kTypesMagic) - 1;

bool ReadTypeRecord(ArchiveReader& in, uint32_t schema, const SystemColours& colours,
                    EventType& t) {
    uint32_t tag, duration, advance;
    t = NewEventType(colours);
    if (!in.U32(tag) || tag != kTypeRecordTag) return false;
    if (!in.U32(t.flags) || !in.U32(t.colour) || !in.U32(duration) || !in.U32(advance) ||
        !in.U32(t.sound) || !in.Text(t.name) || !in.Text(t.soundFile))
        return false;
    t.duration = TimeAmount(duration);
    t.advance = TimeAmount(advance);
    t.flags &= ~kTypeInFilter;
    if (schema >= 2) {
        std::span<const uint8_t> font;
        if (!in.U32(t.textColour) || !in.U32(t.backColour) || !in.Bytes(t.font.size(), font) ||
            !in.U32(t.startTime) || !in.U32(t.soundPause) || !in.Skip(kTypeRecordReserved))
            return false;
        std::copy(font.begin(), font.end(), t.font.begin());
        if (t.soundPause == 0) t.soundPause = 30;
    }
    return true;
}

bool ReadFilter(ArchiveReader& in, TypeFilter& f) {
    uint32_t count;
    if (!in.U32(f.options) || !in.Text(f.name) || !in.U32(count)) return false;
    if (count > kMaxTypes) return false;
    f.typeNames.resize(count);
    for (std::string& name : f.typeNames)
        if (!in.Text(name)) return false;
    return true;
}

} // namespace

bool ParseTypesFile(std::span<const uint8_t> bytes, const SystemColours& colours,
                    TypesFileContent& out) {
    if (bytes.size() < kTypesHeaderSize) return false;
    if (std::memcmp(bytes.data(), kTypesMagic, kMagicLength) != 0) return false;
    ArchiveReader header(bytes.subspan(kTypesSchemaOffset));
    uint32_t schema, count;
    header.U32(schema);
    ArchiveReader countField(bytes.subspan(kTypesCountOffset));
    countField.U32(count);
    if (schema < 1 || schema > 3 || count > kMaxTypes) return false;

    TypesFileContent c;
    c.schema = schema;
    ArchiveReader in(bytes.subspan(kTypesHeaderSize));
    if (!ReadImageListStream(in, kSmallIconSize, count, c.smallIcons)) return false;
    if (!ReadImageListStream(in, kLargeIconSize, count, c.largeIcons)) return false;
    c.types.resize(count);
    for (EventType& t : c.types)
        if (!ReadTypeRecord(in, schema, colours, t)) return false;
    if (schema >= 3) {
        uint32_t filterCount;
        if (!in.U32(filterCount) || filterCount > kMaxFilters) return false;
        c.filters.resize(filterCount);
        for (TypeFilter& f : c.filters)
            if (!ReadFilter(in, f)) return false;
    }
    out = std::move(c);
    return true;
}

std::vector<uint8_t> SerializeTypesFile(const TypeList& list) {
    ArchiveWriter w;
    w.Zeros(kTypesHeaderSize);
    WriteImageListStream(w, kSmallIconSize, list.SmallIcons());
    WriteImageListStream(w, kLargeIconSize, list.LargeIcons());
    for (const EventType& t : list.Types()) {
        w.U32(kTypeRecordTag);
        w.U32(t.flags & ~kTypeInFilter);
        w.U32(t.colour);
        w.U32(t.duration.word);
        w.U32(t.advance.word);
        w.U32(t.sound);
        if (!w.Text(t.name) || !w.Text(t.soundFile)) return {};
        w.U32(t.textColour);
        w.U32(t.backColour);
        w.Bytes(t.font);
        w.U32(t.startTime);
        w.U32(t.soundPause);
        w.Zeros(kTypeRecordReserved);
    }
    w.U32(static_cast<uint32_t>(list.Filters().size()));
    for (const TypeFilter& f : list.Filters()) {
        w.U32(f.options);
        if (!w.Text(f.name)) return {};
        w.U32(static_cast<uint32_t>(f.typeNames.size()));
        for (const std::string& name : f.typeNames)
            if (!w.Text(name)) return {};
    }
    std::vector<uint8_t> bytes = w.Take();
    std::memcpy(bytes.data(), kTypesMagic, kMagicLength);
    PutLe32(bytes.data() + kTypesSchemaOffset, kTypesSchema);
    PutLe32(bytes.data() + kTypesCountOffset, static_cast<uint32_t>(list.TypeCount()));
    PutLe32(bytes.data() + kTypesFilterCountOffset, static_cast<uint32_t>(list.Filters().size()));
    return bytes;
}

SideFileOutcome SaveTypes(const TypeList& list, const std::string& folder, Settings& settings) {
    WriteUndefinedTypeSettings(settings, UndefinedTypeSettingsOf(list.UndefinedEntry()));
    SideFileOutcome out;
    out.path = SideFilePath(folder, kTypesFileName);
    if (out.path.empty()) {
        out.cause = FileCause::BadPath;
        return out;
    }
    const std::vector<uint8_t> bytes = SerializeTypesFile(list);
    out.cause = bytes.empty() ? FileCause::Generic : WriteFileAtomically(out.path, bytes);
    return out;
}

SideFileOutcome LoadTypes(TypeList& list, const std::string& folder, Settings& settings) {
    UndefinedType& undefined = list.UndefinedEntry();
    ApplyUndefinedTypeSettings(ReadUndefinedTypeSettings(settings), undefined);
    undefined.smallIcon = ProgramIcon(kIconUndefinedType, kSmallIconSize);
    undefined.largeIcon = ProgramIcon(kIconUndefinedType, kLargeIconSize);

    const std::string path = SideFilePath(folder, kTypesFileName);
    if (path.empty()) {
        SideFileOutcome out;
        out.cause = FileCause::BadPath;
        return out;
    }
    auto createPredefined = [&] {
        list.CreatePredefined();
        return SaveTypes(list, folder, settings);
    };
    std::vector<uint8_t> bytes;
    const FileCause read = ReadWholeFile(path, bytes);
    if (read == FileCause::FileNotFound) {
        SideFileOutcome out = createPredefined();
        out.created = out.Ok();
        return out;
    }
    TypesFileContent content;
    if (read == FileCause::None && ParseTypesFile(bytes, list.systemColours, content)) {
        list.Assign(std::move(content.types), std::move(content.smallIcons),
                    std::move(content.largeIcons), std::move(content.filters));
        SideFileOutcome out;
        out.path = path;
        return out;
    }
    list.CreatePredefined();
    return ReplaceUnreadableFile(path, [&] { return SaveTypes(list, folder, settings); });
}

} // namespace zm

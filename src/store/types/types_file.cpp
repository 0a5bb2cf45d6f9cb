#include "store/types/types_file.h"

#include "res/artwork.h"
#include "store/io/archive_io.h"
#include "store/types/image_list_stream.h"
#include "store/io/side_file.h"

#include <algorithm>
#include <cstring>

namespace zm {
namespace {

constexpr size_t kMagicLength = sizeof(kTypesMagic) - 1;

bool ReadTypeRecord(ArchiveReader& in, uint32_t schema, const SystemColours& colours,
                    EventType& t) {
    uint32_t tag, duration, advance;
    t = NewEventType(colours);
    if (!in.u32(tag) || tag != kTypeRecordTag) return false;
    if (!in.u32(t.Flags) || !in.u32(t.Colour) || !in.u32(duration) || !in.u32(advance) ||
        !in.u32(t.Sound) || !in.text(t.Name) || !in.text(t.SoundFile))
        return false;
    t.Duration = TimeAmount(duration);
    t.Advance = TimeAmount(advance);
    t.Flags &= ~kTypeInFilter;
    if (schema >= 2) {
        std::span<const uint8_t> font;
        if (!in.u32(t.TextColour) || !in.u32(t.BackColour) || !in.bytes(t.Font.size(), font) ||
            !in.u32(t.StartTime) || !in.u32(t.SoundPause) || !in.skip(kTypeRecordReserved))
            return false;
        std::copy(font.begin(), font.end(), t.Font.begin());
        if (t.SoundPause == 0) t.SoundPause = 30;
    }
    return true;
}

bool ReadFilter(ArchiveReader& in, TypeFilter& f) {
    uint32_t count;
    if (!in.u32(f.Options) || !in.text(f.Name) || !in.u32(count)) return false;
    if (count > kMaxTypes) return false;
    f.TypeNames.resize(count);
    for (std::string& name : f.TypeNames)
        if (!in.text(name)) return false;
    return true;
}

void PutU32(std::vector<uint8_t>& v, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        v[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

bool ParseTypesFile(std::span<const uint8_t> bytes, const SystemColours& colours,
                    TypesFileContent& out) {
    if (bytes.size() < kTypesHeaderSize) return false;
    if (std::memcmp(bytes.data(), kTypesMagic, kMagicLength) != 0) return false;
    ArchiveReader header(bytes.subspan(kTypesSchemaOffset));
    uint32_t schema, count;
    header.u32(schema);
    ArchiveReader countField(bytes.subspan(kTypesCountOffset));
    countField.u32(count);
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
        if (!in.u32(filterCount) || filterCount > kMaxFilters) return false;
        c.filters.resize(filterCount);
        for (TypeFilter& f : c.filters)
            if (!ReadFilter(in, f)) return false;
    }
    out = std::move(c);
    return true;
}

std::vector<uint8_t> SerializeTypesFile(const TypeList& list) {
    ArchiveWriter w;
    w.zeros(kTypesHeaderSize);
    WriteImageListStream(w, kSmallIconSize, list.smallIcons());
    WriteImageListStream(w, kLargeIconSize, list.largeIcons());
    for (const EventType& t : list.types()) {
        w.u32(kTypeRecordTag);
        w.u32(t.Flags & ~kTypeInFilter);
        w.u32(t.Colour);
        w.u32(t.Duration.word);
        w.u32(t.Advance.word);
        w.u32(t.Sound);
        if (!w.text(t.Name) || !w.text(t.SoundFile)) return {};
        w.u32(t.TextColour);
        w.u32(t.BackColour);
        w.bytes(t.Font);
        w.u32(t.StartTime);
        w.u32(t.SoundPause);
        w.zeros(kTypeRecordReserved);
    }
    w.u32(static_cast<uint32_t>(list.filters().size()));
    for (const TypeFilter& f : list.filters()) {
        w.u32(f.Options);
        if (!w.text(f.Name)) return {};
        w.u32(static_cast<uint32_t>(f.TypeNames.size()));
        for (const std::string& name : f.TypeNames)
            if (!w.text(name)) return {};
    }
    std::vector<uint8_t> bytes = w.take();
    std::memcpy(bytes.data(), kTypesMagic, kMagicLength);
    PutU32(bytes, kTypesSchemaOffset, kTypesSchema);
    PutU32(bytes, kTypesCountOffset, static_cast<uint32_t>(list.typeCount()));
    PutU32(bytes, kTypesFilterCountOffset, static_cast<uint32_t>(list.filters().size()));
    return bytes;
}

SideFileOutcome saveTypes(const TypeList& list, const std::string& folder,
                          Settings& settings) {
    WriteUndefinedTypeSettings(settings, UndefinedTypeSettingsOf(list.undefinedType()));
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

SideFileOutcome loadTypes(TypeList& list, const std::string& folder,
                          Settings& settings) {
    UndefinedType& undefined = list.undefinedType();
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
        list.createPredefined();
        return saveTypes(list, folder, settings);
    };
    std::vector<uint8_t> bytes;
    const FileCause read = ReadWholeFile(path, bytes);
    if (read == FileCause::FileNotFound) {
        SideFileOutcome out = createPredefined();
        out.created = out.ok();
        return out;
    }
    TypesFileContent content;
    if (read == FileCause::None && ParseTypesFile(bytes, list.systemColours, content)) {
        list.assign(std::move(content.types), std::move(content.smallIcons),
                    std::move(content.largeIcons), std::move(content.filters));
        SideFileOutcome out;
        out.path = path;
        return out;
    }
    return ReplaceUnreadableFile(path, createPredefined);
}

} // namespace zm

#include "store/library/library_format.h"

#include "store/io/byte_order.h"

#include <cstring>

namespace zm {

VersionFamily FamilyOf(uint32_t version) {
    switch (version) {
    case libfmt::kVersionCurrent:
        return VersionFamily::Current;
    case libfmt::kVersion30000:
    case libfmt::kVersion20005:
        return VersionFamily::SameLayout;
    case libfmt::kVersion20002:
    case libfmt::kVersion20003:
    case libfmt::kVersion20004:
        return VersionFamily::OldEvents;
    case libfmt::kVersionFirst:
        return VersionFamily::First;
    default:
        return VersionFamily::Unknown;
    }
}

void WriteLibraryHeader(unsigned char* header, uint32_t version) {
    std::memset(header, 0, libfmt::kHeaderSize);
    std::memcpy(header, libfmt::kMagic, sizeof libfmt::kMagic);
    PutLe32(header + libfmt::kVersionAt, version);
    PutLe32(header + libfmt::kField14At, 256);
    PutLe32(header + libfmt::kBlockSizeAt, libfmt::kBlockSize);
    PutLe32(header + libfmt::kEntryCountAt, libfmt::kIndexEntries);
    PutLe32(header + libfmt::kEntrySizeAt, libfmt::kIndexEntrySize);
}

LibraryResult CheckLibraryHeader(const unsigned char* header, bool acceptOld, uint32_t& version) {
    version = 0;
    if (std::memcmp(header, libfmt::kMagic, sizeof libfmt::kMagic) != 0) return lr::kBadFormat;
    const uint32_t v = GetLe32(header + libfmt::kVersionAt);
    const VersionFamily family = FamilyOf(v);
    if (family == VersionFamily::Unknown) return lr::kUnknownVersion;
    if (family != VersionFamily::Current && !acceptOld) {
        version = v;
        return lr::kOldVersion;
    }
    if (family == VersionFamily::First) {
        if (GetLe32(header + libfmt::kField14At) != libfmt::kFirstFormatField14 ||
            GetLe32(header + libfmt::kBlockSizeAt) != libfmt::kBlockSize)
            return lr::kBadFormat;
    } else if (GetLe32(header + libfmt::kBlockSizeAt) != libfmt::kBlockSize ||
               GetLe32(header + libfmt::kEntryCountAt) != libfmt::kIndexEntries ||
               GetLe32(header + libfmt::kEntrySizeAt) != libfmt::kIndexEntrySize) {
        return lr::kBadFormat;
    }
    version = v;
    return lr::kOk;
}

} // namespace zm

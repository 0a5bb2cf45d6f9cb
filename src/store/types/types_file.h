#pragma once
// The types file "Zantimo.TP0" in the program's folder: a 512-byte header, the small and the
// large image list, one record per type and (schema 3) the filters. Integers are
// little-endian; texts are in the archive string form.

#include "res/icon_image.h"
#include "store/io/side_file_outcome.h"
#include "store/types/event_type.h"
#include "store/types/type_list.h"
#include "store/types/undefined_type_settings.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zm {

inline constexpr char kTypesFileName[] = "Zantimo.TP0";
inline constexpr char kTypesMagic[] = "ZANTIMORETYPES"; // 14 letters, no terminator in the file
inline constexpr size_t kTypesHeaderSize = 512;
inline constexpr size_t kTypesSchemaOffset = 15;
inline constexpr size_t kTypesCountOffset = 39;
inline constexpr size_t kTypesFilterCountOffset = 43;
inline constexpr uint32_t kTypesSchema = 3;
inline constexpr uint32_t kTypeRecordTag = 0x78654321;
inline constexpr size_t kTypeRecordReserved = 56;

struct TypesFileContent {
    uint32_t schema = kTypesSchema;
    std::vector<EventType> types;
    std::vector<IconImage> smallIcons;
    std::vector<IconImage> largeIcons;
    std::vector<TypeFilter> filters;
};

// Reads a types file held in memory (schemas 1, 2 and 3). False for anything that is not a
// whole, consistent file; `out` is then unchanged. Records of schema 1 take `colours` and the
// other defaults of a new type for the fields they lack; InFilter is cleared on every type.
// A file with more than kMaxTypes types, kMaxFilters filters or a filter of more than
// kMaxTypes names was not written by the program and is refused.
bool ParseTypesFile(std::span<const uint8_t> bytes, const SystemColours& colours,
                    TypesFileContent& out);

// The file for the list, schema 3. Empty when a text is too long to be written.
std::vector<uint8_t> SerializeTypesFile(const TypeList& list);

// Start-up: takes the undefined type's values from the settings and loads the types file of
// the folder. A missing file, or one that cannot be read, gives the predefined types, which
// are saved at once. An unreadable file is kept as a backup first (ReplaceUnreadableFile: the
// outcome says `replaced` and the user is told once, IDS_TYPES_FILE_REPLACED); the program goes
// on with the predefined types even when no backup could be made. Fails when the folder is not
// known or a missing file cannot be created (the program then does not start).
SideFileOutcome LoadTypes(TypeList& list, const std::string& folder, Settings& settings);

// Writes the undefined type's values to the settings and the whole list to the types file.
SideFileOutcome SaveTypes(const TypeList& list, const std::string& folder, Settings& settings);

} // namespace zm

#pragma once
// The quick-reminder file "Zantimo.QE0" in the program's folder: a 512-byte header, the
// 16-pixel image list and one record per quick reminder. Integers are little-endian; texts are
// in the archive string form.

#include "store/io/side_file_outcome.h"
#include "store/quick/quick_list.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zm {

inline constexpr char kQuickFileName[] = "Zantimo.QE0";
inline constexpr char kQuickMagic[] = "ZANTIMOREQUICKEVENTS"; // 20 letters, no terminator
inline constexpr size_t kQuickHeaderSize = 512;
inline constexpr size_t kQuickSchemaOffset = 21;
inline constexpr size_t kQuickCountOffset = 45;
inline constexpr uint32_t kQuickSchema = 2;
inline constexpr uint32_t kQuickRecordTag = 0x43217865;

struct QuickFileContent {
    uint32_t schema = kQuickSchema;
    std::vector<QuickReminder> entries;
    std::vector<IconImage> icons;
};

// Reads a quick-reminder file held in memory (schemas 1 and 2). False for anything that is not
// a whole, consistent file, or one with more than kMaxQuickReminders entries; `out` is then
// unchanged. Records of schema 1 keep SoundPause 30.
bool ParseQuickFile(std::span<const uint8_t> bytes, QuickFileContent& out);

// The file for the list, schema 2. Empty when a text is too long to be written.
std::vector<uint8_t> SerializeQuickFile(const QuickList& list);

// Start-up: loads the quick-reminder file of the folder. A missing file gives the starter
// entries (a first start), a file that cannot be read an empty list; either is saved at once. An
// unreadable file is kept as a backup first (ReplaceUnreadableFile: the outcome says `replaced` and
// the user is told once, IDS_QUICK_FILE_REPLACED); the program goes on with the empty list even
// when no backup could be made. Fails when the folder is not known or a missing file cannot be
// created.
SideFileOutcome LoadQuickReminders(QuickList& list, const std::string& folder);

SideFileOutcome SaveQuickReminders(const QuickList& list, const std::string& folder);

} // namespace zm

#pragma once
// Where the event store keeps its files: the default library in the program's folder, and the
// archive folder beside it that receives a library of an older version when it is converted.

#include "store/io/library_result.h"

#include <cstdint>
#include <string>

namespace zm {

inline constexpr char kLibraryFileName[] = "Zantimo.VR0";
inline constexpr char kArchiveFolderName[] = "Archive";

// The path of the default library in the program's folder; 26 when the folder is not known.
LibraryResult DefaultLibraryPath(const std::string& programFolder, std::string& path);

// The extension an archived library of an old version gets ("VR1" ... "VR6"); empty for the
// current version and for versions that are not known.
const char* ArchiveExtension(uint32_t version);

// The archive folder for a library: a folder named kArchiveFolderName beside it.
std::string ArchiveFolderPath(const std::string& libraryPath);

// The archive file for a library of an old version: the archive folder, then the library's
// name with everything after its last dot replaced by the version's extension. 26 when the
// name has no extension or the version has none.
LibraryResult ArchiveFilePath(const std::string& libraryPath, uint32_t version,
                              std::string& archivePath);

} // namespace zm

#include "store/store_paths.h"

#include "store/library/library_format.h"
#include "store/io/store_file_system.h"

namespace zm {

LibraryResult DefaultLibraryPath(const std::string& programFolder, std::string& path) {
    path.clear();
    if (programFolder.empty()) return lr::kInternalError;
    path = programFolder;
    if (path.back() != '/') path += '/';
    path += kLibraryFileName;
    return lr::kOk;
}

const char* ArchiveExtension(uint32_t version) {
    switch (version) {
    case libfmt::kVersionFirst:
        return "VR1";
    case libfmt::kVersion20002:
        return "VR2";
    case libfmt::kVersion20003:
        return "VR3";
    case libfmt::kVersion20004:
        return "VR4";
    case libfmt::kVersion20005:
        return "VR5";
    case libfmt::kVersion30000:
        return "VR6";
    default:
        return "";
    }
}

std::string ArchiveFolderPath(const std::string& libraryPath) {
    return FolderOf(libraryPath) + kArchiveFolderName;
}

LibraryResult ArchiveFilePath(const std::string& libraryPath, uint32_t version,
                              std::string& archivePath) {
    archivePath.clear();
    const std::string name = FileNameOf(libraryPath);
    const size_t dot = name.find_last_of('.');
    const std::string extension = ArchiveExtension(version);
    if (dot == std::string::npos || extension.empty()) return lr::kInternalError;
    archivePath = ArchiveFolderPath(libraryPath) + "/" + name.substr(0, dot + 1) + extension;
    return lr::kOk;
}

} // namespace zm

#include "cli/data_folder_access.h"

#include "platform/byte_order.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/data_folder_preparation.h"
#include "store/io/private_files.h"
#include "store/library/library_check.h"
#include "store/library/library_format.h"
#include "store/store_messages.h"
#include "store/store_paths.h"

#include <climits>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

// A file shorter than the header and index of its format. The first format has a layout of its
// own, which the library reader checks. A file ending within a block is not damaged for that:
// what lies behind the blocks its index uses is slack, and a writer may be growing it.
std::optional<std::string> ShapeDamage(const std::string& path, uint64_t size) {
    unsigned char head[libfmt::kVersionAt + 4] = {};
    if (size >= sizeof head) {
        std::ifstream in(path, std::ios::binary);
        in.read(reinterpret_cast<char*>(head), sizeof head);
        // A file of another kind is told so by the library's reader.
        if (std::memcmp(head, libfmt::kMagic, sizeof libfmt::kMagic) != 0) return std::nullopt;
        if (GetLe32(head + libfmt::kVersionAt) == libfmt::kVersionFirst) return std::nullopt;
    }
    const uint64_t whole = libfmt::kEmptyFileSize;
    if (size < whole)
        return FormatText(IDS_DAMAGE_SHORT,
                          {path, static_cast<int>(size), static_cast<int>(whole)});
    return std::nullopt;
}

} // namespace

bool PrepareDataFolder(const CliRun& run, bool create) {
    const DataFolderPreparation prepared = PrepareDataFolder(run.dataFolder, create);
    if (!prepared.message.empty()) run.Error(prepared.message);
    return prepared.usable;
}

std::optional<std::string> LibraryFileDamage(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    std::string cause;
    if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0) {
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        target.resize(n > 0 ? static_cast<size_t>(n) : 0);
        cause = FormatText(IDS_DAMAGE_DANGLING_LINK, {path, target});
    } else if (!S_ISREG(st.st_mode)) {
        cause = FormatText(IDS_DAMAGE_NOT_A_FILE, {path});
    } else if (auto shape = ShapeDamage(path, static_cast<uint64_t>(st.st_size))) {
        cause = std::move(*shape);
    } else {
        return std::nullopt;
    }
    return FormatText(IDS_LIBRARY_DAMAGED, {cause});
}

std::optional<std::string> OpenLibraryDamage(const EventLibrary& library, const std::string& path) {
    if (!EndsWithinUsedBlock(library)) return std::nullopt;
    return FormatText(IDS_LIBRARY_DAMAGED, {FormatText(IDS_DAMAGE_CUT_BLOCK, {path})});
}

bool RefusedAsOwnFile(const CliRun& run, const std::string& target) {
    if (!IsProgramDataFile(target, run.dataFolder, kArchiveFolderName)) return false;
    run.Error(FormatText(IDS_EXPORT_ONTO_OWN_FILE, {target}));
    return true;
}

} // namespace zm

#pragma once
// A personal calendar is private: the data folder belongs to its user alone, the files the
// program creates in it are readable and writable by that user only, and they are created so
// that no link planted in their place is ever followed.

#include <cstdint>
#include <optional>
#include <string>

namespace zm {

// The modes of what the program creates, whatever the process's umask.
inline constexpr unsigned kPrivateFolderMode = 0700;
inline constexpr unsigned kPrivateFileMode = 0600;

// Whether the data folder can be used.
enum class FolderAccess : uint8_t {
    Private,        // only its owner, this user, can read and change it
    Missing,        // it does not exist (yet)
    OthersCanRead,  // usable, but other users can read it: worth one warning
    OthersCanWrite, // another user can add, remove or replace files in it: refused
    NotAFolder,     // something else stands under its name: refused
    Unreadable,     // it cannot be looked At (the system's error number tells why)
};

struct FolderCheck {
    FolderAccess access = FolderAccess::Unreadable;
    int systemError = 0;
    // The folder can hold the program's files (perhaps with a warning).
    bool Usable() const {
        return access == FolderAccess::Private || access == FolderAccess::OthersCanRead;
    }
};

// Looks at the data folder (following a link to it). A folder owned by another user than this
// one (other than the system administrator), or writable by its group or by everyone, counts as
// writable by others.
FolderCheck CheckDataFolder(const std::string& folder);

// Creates the folder and any missing folders above it; the folder itself gets mode 0700. 0 on
// success (also when it exists), else the system's error number.
int CreatePrivateFolder(const std::string& folder);

// Creates a file that must not exist yet: O_CREAT|O_EXCL|O_NOFOLLOW, so a file or a link of
// that name is never opened or followed; mode 0600. `access` is O_RDWR or O_WRONLY. The file
// descriptor, or -1 with errno set.
int OpenNewPrivateFile(const std::string& path, int access);

// The identity of a file: its device and inode.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of what the path names, following links; none when it does not exist.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// The names of the program's data files (library, types, quick reminders) and of everything
// kept beside them (backups, temporary files) begin with this.
inline constexpr char kDataFilePrefix[] = "Zantimo.";

// True when the path names (through any links or other names) the program's own data in the
// data folder: a file there whose name begins with kDataFilePrefix, or a file of its archive
// folder (`archiveFolder`, a name in the data folder). Identities are compared, not names.
bool IsProgramDataFile(const std::string& path, const std::string& dataFolder,
                       const std::string& archiveFolder);

} // namespace zm

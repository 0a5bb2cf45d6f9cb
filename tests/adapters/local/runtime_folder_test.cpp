#include "adapters/local/instance_lock.h"
#include "adapters/local/runtime_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

using testing::TempFolder;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(RuntimeFolder, TheDesktopsFolderIsUsedOnlyWhenItIsPrivate) {
    TempFolder tmp;
    const std::string mine = tmp.File("run");
    const std::string open = tmp.File("open");
    const std::string missing = tmp.File("missing");
    ::mkdir(mine.c_str(), 0700);
    ::mkdir(open.c_str(), 0755);
    const uid_t me = ::getuid();
    const std::string fallback = tmp.Path() + "/zantimore-" + std::to_string(me);
    const struct {
        const char* xdg;
        uid_t uid;
        std::string folder;
    } cases[] = {
        {mine.c_str(), me, mine + "/zantimore"},
        {nullptr, me, fallback},
        {"", me, fallback},
        {"run", me, fallback},        // relative
        {open.c_str(), me, fallback}, // others may enter
        {mine.c_str(), me + 1, tmp.Path() + "/zantimore-" + std::to_string(me + 1)}, // not theirs
        {missing.c_str(), me, fallback},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RuntimeFolderFor(c.xdg, c.uid, tmp.Path()), c.folder) << (c.xdg ? c.xdg : "-");
}

// Without the desktop's folder, the fallback is in the user's own cache folder, not in a
// shared temporary folder where another user could make it first.
TEST(RuntimeFolder, TheFallbackIsInTheUsersCacheFolder) {
    EXPECT_EQ(RuntimeFallbackBase("/cache", "/home/a"), "/cache/zantimore");
    EXPECT_EQ(RuntimeFallbackBase(nullptr, "/home/a"), "/home/a/.cache/zantimore");
    EXPECT_EQ(RuntimeFallbackBase("relative", "/home/a"), "/home/a/.cache/zantimore");
    EXPECT_EQ(RuntimeFallbackBase(nullptr, nullptr), "/tmp");
    EXPECT_EQ(RuntimeFallbackBase(nullptr, "/"), "/tmp");

    // Made with its missing parents, all private.
    TempFolder home;
    const std::string folder =
        RuntimeFolderFor(nullptr, ::getuid(), RuntimeFallbackBase(nullptr, home.Path().c_str()));
    std::string problem;
    ASSERT_TRUE(PrepareRuntimeFolder(folder, ::getuid(), problem)) << problem;
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(home.File(".cache/zantimore")), 0700u);
}

TEST(RuntimeFolder, IsMadePrivateAndRefusedWhenItIsNotAFolderOfOurs) {
    TempFolder tmp;
    std::string problem;
    const std::string fresh = tmp.File("fresh");
    ASSERT_TRUE(PrepareRuntimeFolder(fresh, ::getuid(), problem)) << problem;
    EXPECT_EQ(ModeOf(fresh), 0700u);

    const std::string loose = tmp.File("loose");
    ::mkdir(loose.c_str(), 0777);
    ::chmod(loose.c_str(), 0777);
    ASSERT_TRUE(PrepareRuntimeFolder(loose, ::getuid(), problem)) << problem;
    EXPECT_EQ(ModeOf(loose), 0700u);

    const std::string link = tmp.File("link");
    ASSERT_EQ(::symlink(fresh.c_str(), link.c_str()), 0);
    EXPECT_FALSE(PrepareRuntimeFolder(link, ::getuid(), problem));
    EXPECT_NE(problem.find(link), std::string::npos);
    EXPECT_FALSE(PrepareRuntimeFolder(fresh, ::getuid() + 1, problem));
}

TEST(InstanceLock, OneHolderAtATime) {
    TempFolder tmp;
    const std::string path = tmp.File("lock");
    {
        InstanceLock first, second;
        EXPECT_EQ(first.Acquire(path), LockClaim::Acquired);
        EXPECT_EQ(second.Acquire(path), LockClaim::HeldElsewhere);
        first.Release();
        EXPECT_EQ(second.Acquire(path), LockClaim::Acquired);
    }
    InstanceLock mine;
    EXPECT_EQ(mine.Acquire(tmp.File("missing/lock")), LockClaim::Failed);
}

} // namespace
} // namespace zm

#include "platform/local/instance_lock.h"
#include "platform/local/local_socket.h"
#include "platform/local/runtime_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
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
    const std::string mine = tmp.file("run");
    const std::string open = tmp.file("open");
    ::mkdir(mine.c_str(), 0700);
    ::mkdir(open.c_str(), 0755);
    const uid_t me = ::getuid();
    const std::string fallback = tmp.path() + "/zantimore-" + std::to_string(me);
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
        {mine.c_str(), me + 1, tmp.path() + "/zantimore-" + std::to_string(me + 1)}, // not theirs
        {tmp.file("missing").c_str(), me, fallback},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RuntimeFolderFor(c.xdg, c.uid, tmp.path()), c.folder) << (c.xdg ? c.xdg : "-");
}

TEST(RuntimeFolder, IsMadePrivateAndRefusedWhenItIsNotAFolderOfOurs) {
    TempFolder tmp;
    std::string problem;
    const std::string fresh = tmp.file("fresh");
    ASSERT_TRUE(PrepareRuntimeFolder(fresh, ::getuid(), problem)) << problem;
    EXPECT_EQ(ModeOf(fresh), 0700u);

    const std::string loose = tmp.file("loose");
    ::mkdir(loose.c_str(), 0777);
    ::chmod(loose.c_str(), 0777);
    ASSERT_TRUE(PrepareRuntimeFolder(loose, ::getuid(), problem)) << problem;
    EXPECT_EQ(ModeOf(loose), 0700u);

    const std::string link = tmp.file("link");
    ASSERT_EQ(::symlink(fresh.c_str(), link.c_str()), 0);
    EXPECT_FALSE(PrepareRuntimeFolder(link, ::getuid(), problem));
    EXPECT_NE(problem.find(link), std::string::npos);
    EXPECT_FALSE(PrepareRuntimeFolder(fresh, ::getuid() + 1, problem));
}

TEST(InstanceLock, OneHolderAtATimeAndACrashedHolderLeavesNoLock) {
    TempFolder tmp;
    const std::string path = tmp.file("lock");
    {
        InstanceLock first, second;
        EXPECT_EQ(first.Acquire(path), LockClaim::Acquired);
        EXPECT_EQ(second.Acquire(path), LockClaim::HeldElsewhere);
        first.Release();
        EXPECT_EQ(second.Acquire(path), LockClaim::Acquired);
    }
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        InstanceLock held;
        const char c = held.Acquire(path) == LockClaim::Acquired ? 'y' : 'n';
        (void)::write(ready[1], &c, 1);
        ::pause();
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    InstanceLock mine;
    EXPECT_EQ(mine.Acquire(path), LockClaim::HeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(mine.Acquire(path), LockClaim::Acquired);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(mine.Acquire(tmp.file("missing/lock")), LockClaim::Failed);
}

TEST(LocalSocket, NoListenerIsNoServer) {
    TempFolder tmp;
    const std::string path = tmp.file("socket");
    using std::chrono::milliseconds;
    EXPECT_EQ(ExchangeOverSocket(path, "{}", milliseconds(500), 100).Status,
              ExchangeStatus::NoServer);
    // The socket file of a copy that crashed: nobody listens on it any more.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    EXPECT_EQ(ExchangeOverSocket(path, "{}", milliseconds(500), 100).Status,
              ExchangeStatus::NoServer);
}

} // namespace
} // namespace zm

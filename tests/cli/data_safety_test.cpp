// The companion against an attacker and an unlucky user: its own files are never overwritten,
// two first starts at once lose nothing, planted links are never followed, the data stays
// private, and odd files are named for what they are.

#include "cli_fixture.h"
#include "res/strings.h"
#include "store/types/predefined_types.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zm::testing {
namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

class Safety : public CliTest {
protected:
    CliResult Add(const std::string& name, std::vector<std::string> more = {}) {
        std::vector<std::string> args{"add", name, "2025-03-12 09:00"};
        args.insert(args.end(), more.begin(), more.end());
        return Run(args);
    }
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        const CliResult r = Run({"--json", "list"});
        EXPECT_EQ(r.status, kExitOk) << r.err;
        if (r.status != kExitOk) return out;
        const nlohmann::json doc = r.WantsJson();
        for (const auto& e : doc["events"])
            out.push_back(e["name"]);
        return out;
    }
};

TEST_F(Safety, AnExportNeverOverwritesTheProgramsOwnFiles) {
    ASSERT_EQ(Add("Walk").status, kExitOk);
    std::ofstream(folder_.File("Zantimo.QE0.bak")) << "kept";
    ASSERT_EQ(::symlink(LibraryPath().c_str(), folder_.File("link.vr0").c_str()), 0);
    const std::string library = Bytes(LibraryPath());
    const struct {
        std::string kind;
        std::string target;
    } cases[] = {
        {"events", LibraryPath()},
        {"csv", LibraryPath()},
        {"events", folder_.File("link.vr0")},
        {"tsv", folder_.File("Zantimo.QE0.bak")},
    };
    for (const auto& c : cases) {
        const CliResult r = Run({"export", c.target, "--kind", c.kind});
        EXPECT_EQ(r.status, kExitFailure) << c.target;
        EXPECT_EQ(r.err, c.target + " is one of Zantimore's own data files: choose another file to "
                                    "export to.\n");
    }
    EXPECT_EQ(Bytes(LibraryPath()), library);
    EXPECT_EQ(Bytes(folder_.File("Zantimo.QE0.bak")), "kept");
    EXPECT_EQ(Run({"export", folder_.File("walk.csv")}).status, kExitOk);
}

TEST_F(Safety, TwoFirstStartsAtOnceLoseNothing) {
    for (int round = 0; round < 8; ++round) {
        env_.dataFolder = folder_.File("round" + std::to_string(round));
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        pid_t children[2];
        for (int i = 0; i < 2; ++i) {
            children[i] = ::fork();
            ASSERT_GE(children[i], 0);
            if (children[i] == 0) {
                ::close(go[1]);
                char c;
                (void)!::read(go[0], &c, 1); // every child starts when the pipe closes
                const auto r = Add(i == 0 ? "First" : "Second");
                if (r.status != kExitOk)
                    std::fprintf(stderr, "status %d: %s%s\n", r.status, r.out.c_str(),
                                 r.err.c_str());
                std::_Exit(r.status);
            }
        }
        ::close(go[0]);
        ::close(go[1]);
        for (pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitOk)
                << "round " << round << ", wait status " << status;
        }
        std::vector<std::string> stored = Names();
        std::sort(stored.begin(), stored.end());
        EXPECT_EQ(stored, (std::vector<std::string>{"First", "Second"})) << round;
    }
}

TEST_F(Safety, APlantedLinkIsNeverFollowed) {
    TempFolder elsewhere;
    const std::string victim = elsewhere.File("victim");
    std::ofstream(victim) << "precious";
    ASSERT_EQ(::symlink(victim.c_str(), folder_.File("Zantimo.VR0.new").c_str()), 0);
    EXPECT_EQ(Add("Walk").status, kExitOk);
    EXPECT_EQ(Bytes(victim), "precious");
    EXPECT_EQ(Names(), std::vector<std::string>{"Walk"});
}

TEST_F(Safety, TheDataStaysPrivateWhateverTheUmask) {
    const mode_t old = ::umask(0);
    env_.dataFolder = folder_.File("home/zantimore");
    const CliResult r = Add("Walk");
    ::umask(old);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(ModeOf(env_.dataFolder), 0700u);
    EXPECT_EQ(ModeOf(env_.dataFolder + "/Zantimo.VR0"), 0600u);

    // A folder others can read is used as it is, with one warning.
    ASSERT_EQ(::chmod(env_.dataFolder.c_str(), 0755), 0);
    CliResult shared = Add("Run");
    EXPECT_EQ(shared.status, kExitOk);
    EXPECT_EQ(Count(shared.err, "Other users can read the data folder"), 1u) << shared.err;
    EXPECT_EQ(ModeOf(env_.dataFolder), 0755u);

    // One others can write to is not used at all.
    ASSERT_EQ(::chmod(env_.dataFolder.c_str(), 0777), 0);
    shared = Add("Swim");
    EXPECT_EQ(shared.status, kExitFailure);
    EXPECT_NE(shared.err.find("Other users can change the data folder"), std::string::npos);
    EXPECT_EQ(Run({"list"}).status, kExitFailure);
    ASSERT_EQ(::chmod(env_.dataFolder.c_str(), 0700), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Walk", "Run"}));
}

TEST_F(Safety, OddFilesAreNamedForWhatTheyAre) {
    const std::string plain = folder_.File("plain");
    std::ofstream(plain) << "not a folder";
    env_.dataFolder = plain;
    for (const char* command : {"list", "check"}) {
        const CliResult r = Run({command});
        EXPECT_EQ(r.status, kExitFailure);
        EXPECT_EQ(r.err + r.out, plain + " is not a folder.\n"); // check reports on its output
    }
    EXPECT_EQ(Add("Walk").err, plain + " is not a folder.\n");

    env_.dataFolder = folder_.Path();
    const std::string damaged = "The library is damaged: ";
    ASSERT_EQ(::symlink(folder_.File("gone").c_str(), LibraryPath().c_str()), 0);
    for (const CliResult& r : {Run({"list"}), Run({"check"}), Add("Walk")}) {
        EXPECT_EQ(r.status, kExitFailure);
        EXPECT_EQ((r.err + r.out).rfind(damaged, 0), 0u) << r.err << r.out;
    }
    ::unlink(LibraryPath().c_str());
    ASSERT_EQ(Add("Walk").status, kExitOk);
    const std::string whole = Bytes(LibraryPath());
    for (size_t size : {size_t{0}, size_t{100}, size_t{5000}, whole.size() - 1}) {
        std::ofstream(LibraryPath(), std::ios::binary | std::ios::trunc) << whole.substr(0, size);
        for (const CliResult& r : {Run({"list"}), Run({"check"}), Add("Run")}) {
            EXPECT_EQ(r.status, kExitFailure) << size;
            EXPECT_EQ((r.err + r.out).rfind(damaged, 0), 0u) << size << ": " << r.err << r.out;
        }
    }
}

// The program's first sentence about an unreadable side file.
std::string ProgramSays(int replacedText) {
    const std::string text = LoadString(replacedText);
    return text.substr(0, text.find(". ") + 1);
}

TEST_F(Safety, UnreadableTypesAndQuickReminderFilesAreToldAsTheProgramTellsThem) {
    const std::string types = folder_.File("Zantimo.TP0");
    const std::string quick = folder_.File("Zantimo.QE0");
    // Missing files are no news: the program makes them when it first starts.
    for (const char* command : {"types", "quick"}) {
        const CliResult r = Run({command});
        EXPECT_EQ(r.status, kExitOk) << command;
        EXPECT_EQ(r.err, "") << command;
    }
    std::ofstream(types) << "not a types file";
    std::ofstream(quick) << "not a quick-reminder file";
    const struct {
        std::vector<std::string> args;
        int replacedText;
        std::string file;
        int status;
    } cases[] = {
        // The defaults in place of the file, and a failure status a script can see.
        {{"--json", "types"}, IDS_TYPES_FILE_REPLACED, types, kExitFailure},
        {{"quick"}, IDS_QUICK_FILE_REPLACED, quick, kExitFailure},
        // A change that uses the list still goes on with the defaults, saying so.
        {{"add", "Bill", "2099-03-12 10:00", "--type", "Payment"},
         IDS_TYPES_FILE_REPLACED,
         types,
         kExitOk},
        {{"quick-run", "0"}, IDS_QUICK_FILE_REPLACED, quick, kExitFailure},
    };
    for (const auto& c : cases) {
        const CliResult r = Run(c.args);
        const std::string says = ProgramSays(c.replacedText);
        EXPECT_EQ(r.status, c.status) << c.args[0];
        EXPECT_EQ(r.err.rfind(says, 0), 0u) << r.err;
        EXPECT_NE(r.err.find("\n" + c.file + "\n"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Run({"--json", "types"}).WantsJson()["types"].size(), kPredefinedTypeCount);
    EXPECT_EQ(Run({"quick"}).out, "");
    // Nothing was written over: the program keeps the files as backups when it starts.
    EXPECT_EQ(Bytes(types), "not a types file");

    // A folder in the file's place is named for what it is.
    std::filesystem::remove(types);
    std::filesystem::create_directory(types);
    const CliResult r = Run({"types"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find(types + "\n\n" + LoadString(IDS_FILEX_INVALID_FILE)), std::string::npos)
        << r.err;
}

// What a full disk or a power loss during an import may leave behind the blocks in use: part of a
// block, or whole blocks no event uses. The events stay reachable; the next change cuts it off.
TEST_F(Safety, ATailNoEventUsesIsNoDamage) {
    for (const char* name : {"One", "Two", "Three", "Four", "Five"})
        ASSERT_EQ(Add(name).status, kExitOk);
    const std::string whole = Bytes(LibraryPath());
    for (const size_t tail : {size_t{100}, size_t{700}}) {
        std::ofstream(LibraryPath(), std::ios::binary | std::ios::trunc)
            << whole << std::string(tail, 'x');
        EXPECT_EQ(Names(), (std::vector<std::string>{"One", "Two", "Three", "Four", "Five"}));
        CliResult r = Run({"check"});
        EXPECT_EQ(r.status, kExitOk) << r.out;
        EXPECT_EQ(r.out, "Note: the file ends with " + std::to_string(tail) +
                             " bytes that no event uses; the next change cuts them off.\n"
                             "5 events, no problems found.\n");
        EXPECT_EQ(Run({"export", folder_.File("out.csv")}).status, kExitOk);
        ASSERT_EQ(Add("Six").status, kExitOk);
        EXPECT_EQ(Bytes(LibraryPath()).size(), whole.size() + 256);
        EXPECT_EQ(Run({"check"}).out, "6 events, no problems found.\n");
        ASSERT_EQ(Run({"delete", "6"}).status, kExitOk);
        EXPECT_EQ(Bytes(LibraryPath()).size(), whole.size() + 256);
    }
}

// Readers take no lock: whatever length they find the library at while another writer grows it,
// block by block and each block in two steps (as a write across a page edge reaches the file),
// they never call it damaged.
TEST_F(Safety, AReaderNeverCallsAGrowingLibraryDamaged) {
    Store({Event("First", At(2025, 3, 11, 9))});
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        EventLibrary library;
        const int fd = ::open(LibraryPath().c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd < 0 || library.Open(LibraryPath()) != LibraryResult::Ok) ::_exit(2);
        const std::string half(libfmt::kBlockSize / 2, 'h');
        for (int i = 0; i < 600; ++i) {
            if (::write(fd, half.data(), half.size()) != static_cast<ssize_t>(half.size()))
                ::_exit(3);
            ::usleep(300);
            EventRecord e = Event("Grown " + std::to_string(i), At(2025, 3, 12, 9));
            e.notes.assign(400, 'n'); // three blocks, the first over the half block
            if (library.AddEvent(e) != LibraryResult::Ok) ::_exit(4);
        }
        ::_exit(0);
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int runs = 0;
    bool writing = true;
    while (writing && runs < 300 && std::chrono::steady_clock::now() < until) {
        int status = 0;
        writing = ::waitpid(writer, &status, WNOHANG) == 0;
        for (const CliResult& r : {Run({"check"}), Run({"--json", "list"}), Run({"agenda"})}) {
            ASSERT_EQ(r.status, kExitOk) << "run " << runs << ": " << r.err << r.out;
            EXPECT_EQ(r.out.find("damaged"), std::string::npos) << r.out;
        }
        ++runs;
    }
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    EXPECT_GT(runs, 10);
}

TEST_F(Safety, AnImportReadsOnlyRegularFiles) {
    const std::string fifo = folder_.File("pipe.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& source : {fifo, std::string("/dev/zero")}) {
        const CliResult r = Run({"import", source, "--kind", "csv"});
        EXPECT_EQ(r.status, kExitFailure) << source;
        EXPECT_NE(r.err.find("is not a regular file"), std::string::npos) << r.err;
    }
}

TEST_F(Safety, WhatIsReadableIsRescuedFromADamagedLibrary) {
    ASSERT_EQ(Add("Walk").status, kExitOk);
    ASSERT_EQ(Add("Broken").status, kExitOk);
    ASSERT_EQ(Add("Run").status, kExitOk);
    SetIndexEntry(2, 0x8000 | 3999); // key 2 now points past the end of the file

    const CliResult exported = Run({"export", folder_.File("rescue.csv")});
    EXPECT_EQ(exported.status, kExitOk) << exported.err;
    EXPECT_NE(exported.err.find("1 damaged event"), std::string::npos) << exported.err;
    const std::string csv = Bytes(folder_.File("rescue.csv"));
    EXPECT_NE(csv.find("Walk"), std::string::npos);
    EXPECT_NE(csv.find("Run"), std::string::npos);

    // The broken event can be deleted; the others stay, and the library is whole again.
    const CliResult deleted = Run({"delete", "2"});
    EXPECT_EQ(deleted.status, kExitOk) << deleted.err;
    EXPECT_EQ(Names(), (std::vector<std::string>{"Walk", "Run"}));
    EXPECT_EQ(Run({"check"}).status, kExitOk);
}

TEST_F(Safety, SmallRefusals) {
    EXPECT_EQ(Add("").err, "The name cannot be empty: an event without a name cannot be imported "
                           "back.\n");
    EXPECT_EQ(Add(" ").status, kExitFailure);
    EXPECT_EQ(Add("Walk", {"--advance", ""}).err, "The duration you entered is not valid.\n");
    EXPECT_EQ(Names(), std::vector<std::string>{});
}

} // namespace
} // namespace zm::testing

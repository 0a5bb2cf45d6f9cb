#include "adapters/plain/locale_cache.h"
#include "adapters/plain/small_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace zm {
namespace {

EnvironmentLookup Env(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> const char* {
        const auto it = values.find(name);
        return it == values.end() ? nullptr : it->second.c_str();
    };
}

LocaleDescription German() {
    LocaleDescription d;
    d.dateOrder = 1;
    d.century = true;
    d.is24Hour = true;
    d.dateSeparator = ".";
    d.timeSeparator = ":";
    d.longDayNames[3] = "Mittwoch";
    d.amDesignator = "";
    d.pmDesignator = "line\nbreak \\ back\rslash";
    d.longTimeFormat = "HH:mm:ss t";
    return d;
}

bool SameDescription(const LocaleDescription& a, const LocaleDescription& b) {
    const std::string key = "k";
    return LocaleDescriptionText(key, a) == LocaleDescriptionText(key, b);
}

TEST(LocaleCache, TheTextKeepsEveryFieldAndIsRefusedUnderAnotherKeyOrCutShort) {
    const std::string key = LocaleCacheKey(Env({{"LANG", "de_DE.UTF-8"}}));
    const std::string text = LocaleDescriptionText(key, German());
    const auto back = ParseLocaleDescriptionText(text, key);
    ASSERT_TRUE(back);
    EXPECT_TRUE(SameDescription(*back, German()));
    EXPECT_EQ(back->pmDesignator, German().pmDesignator);
    EXPECT_EQ(back->dateOrder, 1);

    const std::string refused[] = {
        text.substr(0, text.size() - 1),                       // the last line end missing
        text.substr(0, text.rfind('\n', text.size() - 2) + 1), // a field missing
        text + "extra\n",                                      // a field too many
        "",
    };
    for (const std::string& bad : refused)
        EXPECT_FALSE(ParseLocaleDescriptionText(bad, key));
    EXPECT_FALSE(ParseLocaleDescriptionText(text, LocaleCacheKey(Env({{"LANG", "fr_FR.UTF-8"}}))));
}

TEST(LocaleCache, EveryValueThatDecidesTheLocaleChangesTheKey) {
    const std::string base = LocaleCacheKey(Env({}));
    for (const char* name : {"LC_ALL", "LC_TIME", "LC_MESSAGES", "LC_NUMERIC", "LANG", "LANGUAGE"})
        EXPECT_NE(LocaleCacheKey(Env({{name, "de_DE"}})), base) << name;
    EXPECT_EQ(LocaleCacheKey(Env({{"TZ", "UTC"}})), base);
    EXPECT_NE(LocaleCacheKey(Env({{"LANG", "a b=c"}})),
              LocaleCacheKey(Env({{"LANG", "a"}, {"LANGUAGE", "b=c"}})));
}

TEST(LocaleCache, TheHelperFillsAMissOnceAndTheCacheAnswersAfter) {
    testing::TempFolder home;
    const auto env = Env({{"XDG_CACHE_HOME", home.Path()}, {"LANG", "de_DE.UTF-8"}});
    int asked = 0;
    std::string helperText = LocaleDescriptionText(LocaleCacheKey(env), German());
    const auto helper = [&]() -> std::optional<std::string> {
        ++asked;
        return helperText;
    };
    EXPECT_TRUE(SameDescription(CachedLocaleDescription(env, helper), German()));
    EXPECT_TRUE(SameDescription(CachedLocaleDescription(env, helper), German()));
    EXPECT_EQ(asked, 1);
    const std::string cache = home.File("zantimore/locale-description");
    struct stat st {};
    ASSERT_EQ(::stat(cache.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // Another locale misses; a helper that answers nothing or nonsense gives the default.
    const auto french = Env({{"XDG_CACHE_HOME", home.Path()}, {"LANG", "fr_FR.UTF-8"}});
    EXPECT_TRUE(SameDescription(CachedLocaleDescription(french, helper), LocaleDescription{}));
    EXPECT_TRUE(SameDescription(CachedLocaleDescription(french, [] { return std::nullopt; }),
                                LocaleDescription{}));
    EXPECT_EQ(asked, 2);
    // ... and leaves the cache of the other locale as it was.
    EXPECT_TRUE(SameDescription(CachedLocaleDescription(env, nullptr), German()));

    // No cache folder at all: the helper answers every time.
    EXPECT_TRUE(SameDescription(
        CachedLocaleDescription(Env({{"LANG", "de_DE.UTF-8"}}),
                                [&] {
                                    return LocaleDescriptionText(
                                        LocaleCacheKey(Env({{"LANG", "de_DE.UTF-8"}})), German());
                                }),
        German()));
}

// A pipe under the cache's name is not waited on: the helper answers.
TEST(LocaleCache, APipeAtTheCacheDoesNotHang) {
    testing::TempFolder home;
    ASSERT_EQ(::mkdir(home.File("zantimore").c_str(), 0700), 0);
    ASSERT_EQ(::mkfifo(home.File("zantimore/locale-description").c_str(), 0600), 0);
    const auto env = Env({{"XDG_CACHE_HOME", home.Path()}, {"LANG", "de_DE.UTF-8"}});
    int asked = 0;
    const auto helper = [&]() -> std::optional<std::string> {
        ++asked;
        return LocaleDescriptionText(LocaleCacheKey(env), German());
    };
    std::vector<std::string> notRead;
    const auto tell = [&](const std::string& path) { notRead.push_back(path); };
    EXPECT_TRUE(SameDescription(CachedLocaleDescription(env, helper, tell), German()));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(notRead, std::vector<std::string>{home.File("zantimore/locale-description")});
    // Made anew as a regular file: read from then on, without a word.
    EXPECT_TRUE(SameDescription(CachedLocaleDescription(env, helper, tell), German()));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(notRead.size(), 1u);
}

} // namespace
} // namespace zm

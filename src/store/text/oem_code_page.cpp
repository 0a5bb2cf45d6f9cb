#include "store/text/oem_code_page.h"

#include <cctype>
#include <string>

namespace zm {

namespace {

struct LocaleParts {
    std::string language; // lower case
    std::string script;   // "latn", "cyrl", "hant", "hans", ... (lower case), or empty
    std::string region;   // upper case, or empty
};

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

std::string Upper(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

bool AllAlpha(std::string_view s) {
    for (char c : s)
        if (!std::isalpha(static_cast<unsigned char>(c))) return false;
    return !s.empty();
}

LocaleParts Split(std::string_view name) {
    LocaleParts parts;
    std::string_view modifier;
    if (const size_t at = name.find('@'); at != std::string_view::npos) {
        modifier = name.substr(at + 1);
        name = name.substr(0, at);
    }
    if (const size_t dot = name.find('.'); dot != std::string_view::npos)
        name = name.substr(0, dot);

    bool first = true;
    while (!name.empty()) {
        const size_t cut = name.find_first_of("_-");
        const std::string_view piece = name.substr(0, cut);
        name = cut == std::string_view::npos ? std::string_view() : name.substr(cut + 1);
        if (first) {
            parts.language = Lower(piece);
            first = false;
        } else if (piece.size() == 4 && AllAlpha(piece)) {
            parts.script = Lower(piece);
        } else if (parts.region.empty() && (piece.size() == 2 || piece.size() == 3)) {
            parts.region = Upper(piece);
        }
    }
    const std::string mod = Lower(modifier);
    if (mod == "latin") parts.script = "latn";
    if (mod == "cyrillic") parts.script = "cyrl";
    return parts;
}

bool In(const std::string& s, std::initializer_list<const char*> list) {
    for (const char* item : list)
        if (s == item) return true;
    return false;
}

int EnglishPage(const std::string& region) {
    // Windows gives the Commonwealth locales of Europe, Oceania, Canada and the Caribbean the
    // multilingual page, the others the US one.
    return In(region, {"GB", "AU", "CA", "NZ", "IE", "JM", "BZ", "TT", "029", "MT"}) ? 850 : 437;
}

int ChinesePage(const LocaleParts& p) {
    if (p.script == "hant") return 950;
    if (p.script == "hans") return 936;
    return In(p.region, {"TW", "HK", "MO"}) ? 950 : 936;
}

} // namespace

int OemCodePageForLocale(std::string_view locale) {
    const LocaleParts p = Split(locale);
    const std::string& lang = p.language;

    if (lang == "en") return EnglishPage(p.region);
    if (lang == "zh") return ChinesePage(p);
    if (lang == "sr" || lang == "bs") {
        // Serbian is Cyrillic unless told otherwise (as the C library names it), Bosnian Latin.
        const bool cyrillic = p.script == "cyrl" || (p.script.empty() && lang == "sr");
        return cyrillic ? 855 : 852;
    }
    if (lang == "az" || lang == "uz") return p.script == "cyrl" ? 866 : 857;

    if (In(lang, {"af", "br", "ca", "co", "cy",  "da", "de", "es",  "eu",  "fi", "fil", "fo", "fr",
                  "fy", "ga", "gd", "gl", "id",  "is", "it", "kl",  "lb",  "ms", "nb",  "nl", "nn",
                  "no", "oc", "pt", "qu", "quz", "rm", "se", "smn", "sms", "sv", "wa"}))
        return 850;
    if (In(lang, {"cs", "dsb", "hr", "hsb", "hu", "pl", "ro", "sk", "sl", "sq", "tk"})) return 852;
    if (In(lang, {"ba", "be", "bg", "kk", "ky", "mk", "mn", "ru", "sah", "tg", "tt", "uk"}))
        return 866;
    if (lang == "el") return 737;
    if (lang == "tr") return 857;
    if (In(lang, {"et", "lt", "lv"})) return 775;
    if (In(lang, {"he", "iw", "yi"})) return 862;
    if (In(lang, {"ar", "ckb", "fa", "prs", "ps", "ug", "ur"})) return 720;
    if (lang == "th") return 874;
    if (lang == "vi") return 1258;
    if (lang == "ja") return 932;
    if (lang == "ko") return 949;
    return kDefaultOemCodePage;
}

} // namespace zm

#pragma once
// The DOS (OEM) code page of the user's locale, chosen the way Windows chooses it: 437 for
// US English, 850 for most of Western Europe, 852 for Central Europe, 866 for Russian and most
// Cyrillic languages, 855 for Serbian Cyrillic, 737 Greek, 857 Turkish, 775 Baltic, 862 Hebrew,
// 720 Arabic, and the double-byte pages of East Asia. Locales without a DOS code page of their
// own (and the "C" locale) get 437.

#include <string_view>

namespace zm {

inline constexpr int kDefaultOemCodePage = 437;

// `locale` is a name like "de_DE", "de-DE", "sr_RS@latin", "pt_BR.UTF-8" or "zh-Hant-TW".
int OemCodePageForLocale(std::string_view locale);

} // namespace zm

#pragma once

#include <array>
#include <cstddef>

// The interface language. Every text exists in each; the text table indexes
// its entries by it.
enum class Language {
    English,
    Greek
};
inline constexpr std::array<Language, 2> Languages = {Language::English, Language::Greek};

constexpr std::size_t IndexOf(Language language) { return std::size_t(language); }

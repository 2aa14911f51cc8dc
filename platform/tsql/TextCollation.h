#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ado::provider {

// SQL Server's default collation of an account database, Chinese_PRC_CI_AS: letter case and
// width are ignored, accents are not, trailing blanks do not count, and text sorts in the
// Windows order: control characters, blanks and punctuation (ASCII punctuation in the Windows
// order: ! " # $ % & ( ) * , . / : ; ? @ [ \ ] ^ _ ` { | } ~ + < = >), then digits, then
// letters (an accented Latin letter right after its plain letter, æ, œ and ß as ae, oe and ss),
// then Chinese characters by their pinyin, then other scripts by code point. The hyphen and the
// apostrophe weigh nothing against letters ("co-op" sorts with "coop"): they only tell apart
// texts that are otherwise equal.
inline constexpr const char* kTextCollation = "database_default";

// The weight of one character: equal keys are equal characters in the collation.
struct CollationKey {
    std::uint32_t primary = 0;    // what the order is decided on first
    std::uint32_t secondary = 0;  // accents, for texts equal on their primary weights
    auto operator<=>(const CollationKey&) const = default;
};

// What a SQL Server collation of this order takes into account besides the letters.
struct CollationRules {
    bool caseSensitive = false;   // _CS: lower case first, then upper
    bool accentSensitive = true;  // _AS
    bool binary = false;          // _BIN, _BIN2: code point order
    bool pinyin = true;           // Chinese characters by pinyin (Chinese_PRC), else by code point
};

// The weight of one character on its own, as LIKE and CHARINDEX compare characters.
CollationKey KeyOf(char32_t c, const CollationRules& rules = {});

// The rules a collation name of SQL Server's stands for ("Chinese_PRC_CS_AS", "Latin1_General_BIN2",
// "SQL_Latin1_General_CP1_CI_AI"); nothing for a name that is not one.
std::optional<CollationRules> CollationNamed(std::string_view name);

// Compares two UTF-8 texts: negative, zero or positive.
int CompareText(std::string_view a, std::string_view b, const CollationRules& rules = {});
inline bool EqualText(std::string_view a, std::string_view b)
{
    return CompareText(a, b) == 0;
}

}  // namespace ado::provider

#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace ado::provider {

// SQL Server's default collation of an account database: letter case is ignored, accents are
// not, trailing blanks do not count, and text sorts in the Windows order: control characters,
// blanks and punctuation (ASCII punctuation in the Windows order: ' - ! " # $ % & ( ) * , . /
// : ; ? @ [ \ ] ^ _ ` { | } ~ + < = >), then digits, then letters (an accented Latin letter
// right after its plain letter), then other scripts by code point.
inline constexpr const char* kTextCollation = "database_default";

// The weight of one character: equal keys are equal characters in the collation.
struct CollationKey {
    std::uint32_t primary = 0;    // what the order is decided on first
    std::uint32_t secondary = 0;  // accents, for texts equal on their primary weights
    auto operator<=>(const CollationKey&) const = default;
};

CollationKey KeyOf(char32_t c);

// Compares two UTF-8 texts: negative, zero or positive.
int CompareText(std::string_view a, std::string_view b);
inline bool EqualText(std::string_view a, std::string_view b)
{
    return CompareText(a, b) == 0;
}

}  // namespace ado::provider

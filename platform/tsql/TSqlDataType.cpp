#include "TSqlDataType.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <initializer_list>

namespace ado::provider {

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

}  // namespace

TSqlDataType TSqlDataType::Parse(std::string_view text)
{
    TSqlDataType type;
    text = Trim(text);
    const size_t open = text.find('(');
    for (char c : Trim(text.substr(0, open)))
        type.name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (open == std::string_view::npos)
        return type;
    const size_t close = text.find(')', open);
    std::string_view inside = Trim(text.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
    if (inside.size() == 3 && std::tolower(static_cast<unsigned char>(inside[0])) == 'm' &&
        std::tolower(static_cast<unsigned char>(inside[1])) == 'a' &&
        std::tolower(static_cast<unsigned char>(inside[2])) == 'x') {
        type.max = true;
        return type;
    }
    const std::string sizes(inside);
    char* end = nullptr;
    const long first = std::strtol(sizes.c_str(), &end, 10);
    const bool decimal = OneOf(type.name, {"decimal", "numeric"});
    if (decimal)
        type.precision = static_cast<int>(first);
    else
        type.length = static_cast<int>(first);
    if (end && *end == ',' && decimal)
        type.scale = static_cast<int>(std::strtol(end + 1, nullptr, 10));
    return type;
}

TSqlDataType::Kind TSqlDataType::Classify() const
{
    if (OneOf(name, {"char", "varchar", "text", "nchar", "nvarchar", "ntext", "sysname", "uniqueidentifier",
                     "character", "national"}))
        return Kind::Text;
    if (OneOf(name, {"bit", "tinyint", "smallint", "int", "bigint", "decimal", "numeric", "money", "smallmoney",
                     "float", "real", "integer", "double"}))
        return Kind::Number;
    if (OneOf(name, {"datetime", "smalldatetime", "date", "time", "datetime2", "datetimeoffset"}))
        return Kind::Date;
    if (OneOf(name, {"binary", "varbinary", "image", "timestamp", "rowversion", "blob"}))
        return Kind::Binary;
    return Kind::Unknown;
}

bool TSqlDataType::Unicode() const
{
    return OneOf(name, {"nchar", "nvarchar", "ntext", "sysname", "national"});
}

bool TSqlDataType::IsInteger() const
{
    return OneOf(name, {"bit", "tinyint", "smallint", "int", "bigint", "integer"});
}

std::string TSqlDataType::Text() const
{
    if (max)
        return name + "(max)";
    if (precision >= 0)
        return name + "(" + std::to_string(precision) + (scale >= 0 ? "," + std::to_string(scale) : "") + ")";
    if (length >= 0)
        return name + "(" + std::to_string(length) + ")";
    return name;
}

}  // namespace ado::provider

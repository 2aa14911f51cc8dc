#include "ServerErrorNumber.h"

namespace tds {

int ServerErrorNumber(std::string_view message)
{
    struct Known {
        std::string_view start;
        int number;
    };
    static constexpr Known kKnown[] = {
        {"Invalid object name ", 208},
        {"Invalid column name ", 207},
        {"Incorrect syntax near ", 102},
        {"Unclosed quotation mark ", 105},
        {"Violation of PRIMARY KEY constraint", 2627},
        {"Violation of UNIQUE KEY constraint", 2627},
        {"UNIQUE constraint failed", 2627},
        {"Cannot insert duplicate key row", 2601},
        {"Cannot insert the value NULL", 515},
        {"NOT NULL constraint failed", 515},
        {"There is already an object named ", 2714},
        {"Ambiguous column name ", 209},
        {"Database '", 911},
        {"Conversion failed when converting date and/or time", 241},
        {"Conversion failed when converting the ", 245},
        {"Conversion failed when converting from a character string to uniqueidentifier", 8169},
        {"Error converting data type ", 8114},
        {"Arithmetic overflow error", 8115},
        {"String or binary data would be truncated", 8152},
    };
    for (const Known& k : kKnown)
        if (message.starts_with(k.start))
            return k.number;
    if (message.find(" is not a recognized built-in function name") != std::string_view::npos)
        return 195;
    return 50000;
}

}  // namespace tds

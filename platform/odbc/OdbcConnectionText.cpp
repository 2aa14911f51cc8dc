#include "OdbcConnectionText.h"

#include "OdbcError.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace ado::odbc {

namespace {

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// Keys a SQL Server OLE DB text may carry (lower case). A piece that starts with one of them
// followed by "=" begins a new pair; any other piece belongs to the value before it.
constexpr std::array kSqlServerKeys{
    "provider", "user id", "uid", "user", "pwd", "password", "initial catalog", "database", "data source",
    "server", "address", "addr", "network address", "integrated security", "trusted_connection", "language",
    "current language", "persist security info", "connect timeout", "connection timeout", "timeout",
    "application name", "app", "workstation id", "wsid", "network library", "network", "packet size",
    "auto translate", "use procedure for prepare", "use encryption for data", "encrypt",
    "trustservercertificate", "trust server certificate", "mars connection", "multipleactiveresultsets",
    "failover partner", "attachdbfilename", "initial file name", "general timeout", "driver", "dsn", "port",
    "extended properties", "locale identifier", "mode", "prompt", "ole db services"};

bool IsSqlServerKey(std::string_view key)
{
    const std::string lower = Lower(Trim(key));
    return std::find(kSqlServerKeys.begin(), kSqlServerKeys.end(), lower) != kSqlServerKeys.end();
}

// A value in quotes: the text up to the closing quote (a doubled quote stands for one), when
// only blanks lie between that quote and the next ";" or the end. Returns the value and the
// position after it, or nothing when the quotes do not close the value.
std::optional<std::pair<std::string, size_t>> QuotedValue(std::string_view text, size_t start)
{
    const char quote = text[start];
    std::string value;
    for (size_t i = start + 1; i < text.size(); ++i) {
        if (text[i] != quote) {
            value.push_back(text[i]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == quote) {
            value.push_back(quote);
            ++i;
            continue;
        }
        size_t after = i + 1;
        while (after < text.size() && std::isspace(static_cast<unsigned char>(text[after])))
            ++after;
        if (after == text.size() || text[after] == ';')
            return std::make_pair(value, after);
        return std::nullopt;
    }
    return std::nullopt;
}

// A piece of an ODBC text as written, with its key; braced values may hold ";".
struct RawPiece {
    std::string key;
    std::string raw;
};

std::vector<RawPiece> SplitOdbcText(std::string_view text)
{
    std::vector<RawPiece> pieces;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = pos;
        const size_t eq = text.find('=', pos);
        const size_t semi = text.find(';', pos);
        if (eq != std::string_view::npos && (semi == std::string_view::npos || eq < semi)) {
            size_t v = eq + 1;
            while (v < text.size() && text[v] == ' ')
                ++v;
            if (v < text.size() && text[v] == '{') {
                // "}}" inside braces stands for one "}".
                size_t i = v + 1;
                while (i < text.size()) {
                    if (text[i] == '}') {
                        if (i + 1 < text.size() && text[i + 1] == '}') {
                            i += 2;
                            continue;
                        }
                        break;
                    }
                    ++i;
                }
                end = text.find(';', std::min(i, text.size()));
            } else {
                end = semi;
            }
        } else {
            end = semi;
        }
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view raw = text.substr(pos, end - pos);
        if (!Trim(raw).empty()) {
            const size_t rawEq = raw.find('=');
            pieces.push_back({std::string(Trim(raw.substr(0, rawEq))), std::string(Trim(raw))});
        }
        pos = end + 1;
    }
    return pieces;
}

const std::string* Last(const Pairs& pairs, std::initializer_list<std::string_view> keys)
{
    const std::string* found = nullptr;
    for (const auto& [key, value] : pairs)
        for (std::string_view k : keys)
            if (EqualsNoCase(key, k))
                found = &value;
    return found;
}

bool IsTrue(std::string_view value)
{
    const std::string v = Lower(Trim(value));
    return v == "true" || v == "yes" || v == "sspi" || v == "1";
}

long TimeoutOr(const std::string* value, long fallback)
{
    if (!value)
        return fallback;
    long seconds = 0;
    const std::string_view v = Trim(*value);
    const auto result = std::from_chars(v.data(), v.data() + v.size(), seconds);
    return result.ec == std::errc() && result.ptr == v.data() + v.size() && seconds >= 0 ? seconds : fallback;
}

bool IsPasswordKey(std::string_view key) { return EqualsNoCase(key, "pwd") || EqualsNoCase(key, "password"); }

}  // namespace

bool IsOdbcText(const ConnectionText& text)
{
    const std::string provider = Lower(text.GetOr("Provider"));
    if (provider.empty())
        return text.Get("Driver").has_value() || text.Get("DSN").has_value();
    return provider.starts_with("sqloledb") || provider.starts_with("sqlncli") || provider.starts_with("msoledbsql");
}

Pairs SplitSqlServerText(std::string_view text)
{
    Pairs pairs;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t semi = text.find(';', pos);
        if (semi == std::string_view::npos)
            semi = text.size();
        const std::string_view piece = text.substr(pos, semi - pos);
        const size_t eq = piece.find('=');
        const bool startsPair = eq != std::string_view::npos && IsSqlServerKey(piece.substr(0, eq));
        if (!startsPair) {
            // Part of the value before (a ";" inside it), or a stray piece at the start.
            if (!pairs.empty())
                pairs.back().second += ";" + std::string(piece);
            pos = semi + 1;
            continue;
        }
        const std::string key(Trim(piece.substr(0, eq)));
        size_t valueStart = pos + eq + 1;
        while (valueStart < text.size() && text[valueStart] == ' ')
            ++valueStart;
        if (valueStart < text.size() && (text[valueStart] == '"' || text[valueStart] == '\'')) {
            if (auto quoted = QuotedValue(text, valueStart)) {
                pairs.emplace_back(key, std::move(quoted->first));
                pos = quoted->second + 1;
                continue;
            }
        }
        pairs.emplace_back(key, std::string(piece.substr(eq + 1)));
        pos = semi + 1;
    }
    // Values lose their edge blanks only once complete, so a continued value keeps its inner ones.
    for (auto& pair : pairs)
        pair.second = std::string(Trim(pair.second));
    return pairs;
}

ServerAddress ParseDataSource(std::string_view dataSource)
{
    std::string_view s = Trim(dataSource);
    if (s.size() >= 4 && EqualsNoCase(s.substr(0, 4), "tcp:"))
        s.remove_prefix(4);
    ServerAddress address;
    if (const size_t comma = s.find(','); comma != std::string_view::npos) {
        address.port = std::string(Trim(s.substr(comma + 1)));
        s = Trim(s.substr(0, comma));
    }
    if (const size_t slash = s.find('\\'); slash != std::string_view::npos) {
        address.instance = std::string(Trim(s.substr(slash + 1)));
        s = Trim(s.substr(0, slash));
    }
    address.host = std::string(s);
    if (address.host.empty() || address.host == "." || EqualsNoCase(address.host, "(local)"))
        address.host = "localhost";
    return address;
}

std::string OdbcAttribute(std::string_view key, std::string_view value)
{
    const bool brace = value.find_first_of(";{}") != std::string_view::npos ||
                       (!value.empty() && (std::isspace(static_cast<unsigned char>(value.front())) ||
                                           std::isspace(static_cast<unsigned char>(value.back()))));
    std::string out(key);
    out += '=';
    if (!brace) {
        out += value;
    } else {
        out += '{';
        for (char c : value) {
            out += c;
            if (c == '}')
                out += '}';
        }
        out += '}';
    }
    out += ';';
    return out;
}

OdbcTarget FromSqlServerText(std::string_view text, std::string_view freeTdsDriver)
{
    const Pairs pairs = SplitSqlServerText(text);
    const std::string* integrated = Last(pairs, {"Integrated Security", "Trusted_Connection"});
    if (integrated && IsTrue(*integrated))
        throw automation::AutomationError(
            -2147467259,
            QStringLiteral("Windows authentication (Integrated Security) is not available on this system; "
                           "give a User ID and a password in the connection text."),
            ErrorSource());

    const std::string* dataSource = Last(pairs, {"Data Source", "Server", "Address", "Addr", "Network Address"});
    const ServerAddress address = ParseDataSource(dataSource ? *dataSource : std::string());

    OdbcTarget target;
    std::string& out = target.connectionString;
    // A registered driver is named in braces, a library by its path.
    out += freeTdsDriver.starts_with('/') ? OdbcAttribute("Driver", freeTdsDriver)
                                          : "Driver={" + std::string(freeTdsDriver) + "};";
    out += OdbcAttribute("Server", address.port.empty() && !address.instance.empty()
                                       ? address.host + "\\" + address.instance
                                       : address.host);
    if (!address.port.empty())
        out += OdbcAttribute("Port", address.port);
    if (const std::string* user = Last(pairs, {"User ID", "UID", "User"}))
        out += OdbcAttribute("UID", *user);
    if (const std::string* password = Last(pairs, {"pwd", "Password"}))
        out += OdbcAttribute("PWD", *password);
    if (const std::string* database = Last(pairs, {"Initial Catalog", "Database"}))
        out += OdbcAttribute("Database", *database);
    if (const std::string* app = Last(pairs, {"Application Name", "App"}))
        out += OdbcAttribute("APP", *app);
    out += "ClientCharset=UTF-8;TDS_Version=auto;";
    target.loginTimeout = TimeoutOr(Last(pairs, {"Connect Timeout", "Connection Timeout", "Timeout"}), 15);
    return target;
}

OdbcTarget FromOdbcText(std::string_view text)
{
    OdbcTarget target;
    Pairs timeouts;
    for (const RawPiece& piece : SplitOdbcText(text)) {
        if (EqualsNoCase(piece.key, "Connect Timeout") || EqualsNoCase(piece.key, "Connection Timeout")) {
            const size_t eq = piece.raw.find('=');
            timeouts.emplace_back(piece.key, eq == std::string::npos ? std::string() : piece.raw.substr(eq + 1));
            continue;
        }
        if (EqualsNoCase(piece.key, "Provider") || EqualsNoCase(piece.key, "Language"))
            continue;
        target.connectionString += piece.raw;
        target.connectionString += ';';
    }
    target.loginTimeout = TimeoutOr(Last(timeouts, {"Connect Timeout", "Connection Timeout"}), 15);
    return target;
}

std::string MaskPasswords(std::string_view text)
{
    const ConnectionText parsed(text);
    std::string out;
    if (IsOdbcText(parsed) && !parsed.Get("Provider")) {
        for (const RawPiece& piece : SplitOdbcText(text)) {
            out += IsPasswordKey(piece.key) ? piece.key + "=****" : piece.raw;
            out += ';';
        }
    } else {
        for (const auto& [key, value] : SplitSqlServerText(text)) {
            out += key + "=" + (IsPasswordKey(key) ? std::string("****") : value);
            out += ';';
        }
    }
    if (!out.empty() && !text.ends_with(';'))
        out.pop_back();
    return out;
}

std::string ChooseFreeTdsDriver(const std::vector<std::string>& registeredDrivers,
                                const std::vector<std::string>& existingLibraries)
{
    for (const std::string& name : registeredDrivers)
        if (Lower(name).find("freetds") != std::string::npos)
            return name;
    return existingLibraries.empty() ? std::string() : existingLibraries.front();
}

}  // namespace ado::odbc

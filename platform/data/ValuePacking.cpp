#include "ValuePacking.h"

#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <variant>

namespace ado {

namespace {

template <class T, size_t I = 0>
constexpr size_t Alternative()
{
    if constexpr (std::is_same_v<std::variant_alternative_t<I, Value>, T>)
        return I;
    else
        return Alternative<T, I + 1>();
}

template <class T>
void PutRaw(std::string& out, const T& value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void PutText(std::string& out, const void* data, size_t size)
{
    PutRaw(out, size);
    out.append(static_cast<const char*>(data), size);
}

template <class T>
T GetRaw(const char*& p)
{
    T value;
    std::memcpy(&value, p, sizeof value);
    p += sizeof value;
    return value;
}

std::string_view GetText(const char*& p)
{
    const auto size = GetRaw<size_t>(p);
    const std::string_view text(p, size);
    p += size;
    return text;
}

// Into a string that usually has the room already, as the next row's value of a column has.
void CopyInto(std::string& target, std::string_view text)
{
    target.resize(text.size());
    if (!text.empty())
        std::memcpy(target.data(), text.data(), text.size());
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace

void PackValue(std::string& out, const Value& value)
{
    out.push_back(static_cast<char>(value.index()));
    std::visit(Overloaded{
                   [](const Null&) {},
                   [&](bool b) { out.push_back(b ? 1 : 0); },
                   [&](std::int64_t i) { PutRaw(out, i); },
                   [&](double d) { PutRaw(out, d); },
                   [&](const Decimal& d) { PutText(out, d.digits.data(), d.digits.size()); },
                   [&](const std::string& s) { PutText(out, s.data(), s.size()); },
                   [&](const Bytes& b) { PutText(out, b.data(), b.size()); },
                   [&](const DateTime& t) { PutRaw(out, t); },
               },
               value);
}

void UnpackValue(const char*& p, Value& value)
{
    switch (static_cast<size_t>(*p++)) {
    case Alternative<Null>():
        value.emplace<Null>();
        return;
    case Alternative<bool>():
        value = *p++ != 0;
        return;
    case Alternative<std::int64_t>():
        value = GetRaw<std::int64_t>(p);
        return;
    case Alternative<double>():
        value = GetRaw<double>(p);
        return;
    case Alternative<Decimal>():
        if (auto* decimal = std::get_if<Decimal>(&value))
            CopyInto(decimal->digits, GetText(p));
        else
            value.emplace<Decimal>(Decimal{std::string(GetText(p))});
        return;
    case Alternative<std::string>():
        if (auto* text = std::get_if<std::string>(&value))
            CopyInto(*text, GetText(p));
        else
            value.emplace<std::string>(GetText(p));
        return;
    case Alternative<Bytes>(): {
        const std::string_view bytes = GetText(p);
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
        if (auto* target = std::get_if<Bytes>(&value))
            target->assign(data, data + bytes.size());
        else
            value.emplace<Bytes>(data, data + bytes.size());
        return;
    }
    default:
        value = GetRaw<DateTime>(p);
        return;
    }
}

}  // namespace ado

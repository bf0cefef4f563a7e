#include "Format.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr std::string_view kIntegerTypes = "diuoxX";
constexpr std::string_view kRealTypes = "fFeEgG";
constexpr std::string_view kTextTypes = "cs";

bool Contains(std::string_view set, char16_t c) {
    return c < 0x80 && set.find(static_cast<char>(c)) != std::string_view::npos;
}

// One parsed conversion: the part of "%-08.3lld" that printf would see.
struct Conversion {
    std::string flags;  // any of "-+ #0", as written
    int width = -1;     // -1: none
    int precision = -1;
    char type = 0;  // the conversion letter
};

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Reads a decimal field at `pos`; fails when it exceeds kMaxFormatWidth.
bool ReadNumber(std::u16string_view format, size_t& pos, int& out) {
    out = 0;
    while (pos < format.size() && IsDigit(format[pos])) {
        out = out * 10 + (format[pos] - u'0');
        if (out > kMaxFormatWidth) return false;
        ++pos;
    }
    return true;
}

void SkipLengthModifier(std::u16string_view format, size_t& pos) {
    constexpr std::u16string_view kModifiers = u"hljztL";
    while (pos < format.size() && kModifiers.find(format[pos]) != std::u16string_view::npos) ++pos;
}

bool HasFlag(const Conversion& c, char flag) {
    return c.flags.find(flag) != std::string::npos;
}

// Rejects the flag and precision combinations that C leaves undefined.
bool IsWellDefined(const Conversion& c) {
    if (HasFlag(c, '#') && !Contains("oxX", c.type) && !Contains(kRealTypes, c.type)) return false;
    if (HasFlag(c, '0') && Contains(kTextTypes, c.type)) return false;
    if (c.type == 'c' && c.precision >= 0) return false;
    return true;
}

// Parses the conversion after a '%' (at `pos`); leaves `pos` after it. Nullopt when malformed.
std::optional<Conversion> ParseConversion(std::u16string_view format, size_t& pos) {
    Conversion c;
    constexpr std::u16string_view kFlags = u"-+ #0";
    while (pos < format.size() && kFlags.find(format[pos]) != std::u16string_view::npos) {
        const char flag = static_cast<char>(format[pos++]);
        if (!HasFlag(c, flag)) c.flags.push_back(flag);  // repeats add nothing
    }
    if (pos < format.size() && IsDigit(format[pos]) && !ReadNumber(format, pos, c.width)) {
        return std::nullopt;
    }
    if (pos < format.size() && format[pos] == u'.') {
        ++pos;
        if (!ReadNumber(format, pos, c.precision)) return std::nullopt;
    }
    SkipLengthModifier(format, pos);
    if (pos >= format.size()) return std::nullopt;
    const char16_t type = format[pos++];
    if (!Contains(kIntegerTypes, type) && !Contains(kRealTypes, type) &&
        !Contains(kTextTypes, type)) {
        return std::nullopt;
    }
    c.type = static_cast<char>(type);
    if (!IsWellDefined(c)) return std::nullopt;
    return c;
}

// The printf conversion for `c` with `lengthModifier` in front of its letter.
std::string PrintfDirective(const Conversion& c, const char* lengthModifier) {
    std::string directive = "%" + c.flags;
    if (c.width >= 0) directive += std::to_string(c.width);
    if (c.precision >= 0) directive += "." + std::to_string(c.precision);
    return directive + lengthModifier + c.type;
}

// Runs snprintf on a directive built by PrintfDirective (so flags, width and precision are bounded)
// and appends the ASCII result.
template <typename T>
void AppendPrintf(std::u16string& out, const std::string& directive, T value) {
    const int length = std::snprintf(nullptr, 0, directive.c_str(), value);
    if (length <= 0) return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), directive.c_str(), value);
    out.append(text.begin(), text.begin() + length);
}

// Pads `text` to the conversion's width with spaces, on the right when '-' is given.
void AppendPadded(std::u16string& out, const Conversion& c, std::u16string_view text) {
    const size_t padding = c.width > static_cast<int>(text.size()) ? c.width - text.size() : 0;
    if (!HasFlag(c, '-')) out.append(padding, u' ');
    out.append(text);
    if (HasFlag(c, '-')) out.append(padding, u' ');
}

// At most `precision` code units of `text`, never ending between the halves of a surrogate pair.
std::u16string_view Truncated(std::u16string_view text, int precision) {
    if (precision < 0 || text.size() <= static_cast<size_t>(precision)) return text;
    size_t length = static_cast<size_t>(precision);
    if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
    return text.substr(0, length);
}

// An integer argument as both kinds of integer conversion see it.
struct Integer {
    bool isSigned;
    int64_t asSigned;
    uint64_t asUnsigned;
};

bool AppendInteger(std::u16string& out, Conversion c, const Integer& value) {
    if (c.type == 'c') {
        const bool isCodeUnit = value.isSigned ? value.asSigned >= 0 && value.asSigned <= 0xFFFF
                                               : value.asUnsigned <= 0xFFFF;
        if (!isCodeUnit) return false;
        AppendPadded(out, c, std::u16string(1, static_cast<char16_t>(value.asUnsigned)));
        return true;
    }
    if (!Contains(kIntegerTypes, c.type)) return false;
    if ((c.type == 'd' || c.type == 'i') && value.isSigned) {
        AppendPrintf(out, PrintfDirective(c, "ll"), static_cast<long long>(value.asSigned));
        return true;
    }
    // An unsigned argument under %d is shown as the value it is, not reinterpreted as negative.
    if (c.type == 'd' || c.type == 'i') c.type = 'u';
    AppendPrintf(out, PrintfDirective(c, "ll"), static_cast<unsigned long long>(value.asUnsigned));
    return true;
}

// Appends `arg` converted by `c`; false when the argument does not suit the conversion.
bool AppendConversion(std::u16string& out, const Conversion& c, const FormatArg& arg) {
    const FormatArg::Value& value = arg.value();
    if (const auto* s = std::get_if<FormatArg::Signed>(&value)) {
        return AppendInteger(out, c, {true, s->value, s->twosComplement});
    }
    if (const auto* u = std::get_if<uint64_t>(&value)) {
        return AppendInteger(out, c, {false, 0, *u});
    }
    if (const auto* d = std::get_if<double>(&value)) {
        if (!Contains(kRealTypes, c.type)) return false;
        AppendPrintf(out, PrintfDirective(c, ""), *d);
        return true;
    }
    if (c.type != 's') return false;
    AppendPadded(out, c, Truncated(std::get<std::u16string_view>(value), c.precision));
    return true;
}

}  // namespace

std::u16string FormatText(std::u16string_view format, std::span<const FormatArg> args) {
    std::u16string out;
    size_t nextArg = 0;
    size_t pos = 0;
    while (pos < format.size()) {
        const size_t percent = format.find(u'%', pos);
        out.append(format.substr(pos, percent - pos));
        if (percent == std::u16string_view::npos) break;
        pos = percent + 1;
        if (pos < format.size() && format[pos] == u'%') {
            out.push_back(u'%');
            ++pos;
            continue;
        }
        const std::optional<Conversion> conversion = ParseConversion(format, pos);
        if (!conversion || nextArg >= args.size() ||
            !AppendConversion(out, *conversion, args[nextArg])) {
            return std::u16string(format);
        }
        ++nextArg;
    }
    return out;
}

#pragma once
#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

// Filling printf-style format strings that come from data (the text table). Formats are untrusted:
// every conversion is checked against the argument given, arguments are never read past their end,
// and a format that does not fit its arguments comes back unformatted instead of failing.

// One argument of FormatText. Texts are held by view: the string must outlive the call.
class FormatArg {
  public:
    // A signed integer, with its bits as the caller's own type holds them, so that an unsigned
    // conversion of a negative int shows what C's printf would (%x of -1 is "ffffffff").
    struct Signed {
        int64_t value;
        uint64_t twosComplement;
    };
    using Value = std::variant<Signed, uint64_t, double, std::u16string_view>;

    template <std::signed_integral T>
    FormatArg(T v) : value_(Signed{v, static_cast<std::make_unsigned_t<T>>(v)}) {}
    template <std::unsigned_integral T>
    FormatArg(T v) : value_(uint64_t{v}) {}
    FormatArg(bool) = delete;  // almost always a mistake; pass an int
    FormatArg(double v) : value_(v) {}
    FormatArg(std::u16string_view text) : value_(text) {}
    FormatArg(const char16_t* text) : value_(std::u16string_view(text)) {}

    const Value& value() const { return value_; }

  private:
    Value value_;
};

// The largest width or precision a format may ask for: a larger one is refused, not clamped, so
// that a hostile text cannot ask for huge allocations.
inline constexpr int kMaxFormatWidth = 64;

// Fills `format` with `args` in order. Supported: %% and %[flags][width][.precision][length]conv
// with conv one of d i u o x X (integers), f F e E g G (double), c (integer UTF-16 code unit),
// s (UTF-16 text; precision counts code units). Length modifiers are accepted and ignored.
// Width and precision are at most kMaxFormatWidth. Returns `format` itself, unchanged, when a
// conversion meets a missing or mismatched argument, or is %n, uses '*', is positional or
// unknown, combines flags that C leaves undefined (%#d, %05s, %.2c), or the format ends inside a
// conversion. Arguments left over are ignored.
std::u16string FormatText(std::u16string_view format, std::span<const FormatArg> args);

template <typename T>
concept FormatArgument = std::constructible_from<FormatArg, const T&>;

// Convenience: FormatText(u"%d/%d", year, month).
template <FormatArgument... Args>
std::u16string FormatText(std::u16string_view format, const Args&... args) {
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return FormatText(format, std::span<const FormatArg>(list));
}

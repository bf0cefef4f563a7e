#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

// The words of one script line and the names the script gives keys; shared by the frame lines
// and the goal lines so both read numbers and keys alike.
namespace driver {

template <typename T>
struct Named {
    std::string_view name;
    T value;
};

template <typename T, size_t N>
std::optional<T> Lookup(const std::array<Named<T>, N>& table, std::string_view name) {
    for (const auto& entry : table) {
        if (entry.name == name) return entry.value;
    }
    return std::nullopt;
}

// Left Right Up Down A D W S E Q Space Control Alt Escape Enter.
std::optional<platform::VirtualKey> KeyNamed(std::string_view name);
// A B Start DpadUp DpadDown DpadLeft DpadRight: the pad's button bit.
std::optional<uint16_t> PadButtonNamed(std::string_view name);

// Reads the words of one line; each Take* fails softly so the caller reports one error.
class Words {
  public:
    explicit Words(const std::string& line);
    bool Empty() const { return words_.empty() || words_[0][0] == '#'; }
    bool Done() const { return next_ == words_.size(); }
    // Whether the next word starts with a digit (a frame, a field's number).
    bool NextIsNumber() const;
    std::string_view Take() { return next_ < words_.size() ? words_[next_++] : std::string_view(); }
    std::optional<int64_t> TakeNumber(int64_t min, int64_t max);
    // A finite decimal number within [min, max].
    std::optional<float> TakeReal(float min, float max);
    std::optional<bool> TakeDownUp();
    std::optional<bool> TakeRightLeft();

  private:
    std::vector<std::string> words_;
    size_t next_ = 0;
};

}  // namespace driver

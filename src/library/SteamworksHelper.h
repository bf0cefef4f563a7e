#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <set>

// The achievement record: the ids a player has earned. A platform achievement service would
// switch it on and read it; the game has none and keeps the record in the achievements file of
// the save folder instead (Open). Tests switch it on without the file.
class SteamworksHelper {
  public:
    virtual ~SteamworksHelper() = default;

    // Switches the record on with what earlier runs earned (nothing when the file is missing or
    // damaged); from now on each new award also replaces the file.
    void Open();
    // Records an id of the game's achievements once and queues it to be announced; does nothing
    // while disabled or for an id the game does not have. Always returns 0.
    int32_t Award(int32_t id);
    // The earliest award not yet announced, taken off the queue; nullopt when there is none.
    std::optional<int32_t> TakeUnannounced();

    uint32_t enabled = 0;
    std::set<int32_t> awarded;

  private:
    bool kept_ = false;  // awards are written to the achievements file
    std::deque<int32_t> unannounced_;
};

// What some awards count across fields: cleared whenever the title screen comes up.
struct AwardCounters {
    int32_t pathVisits = 0;       // builds of the approach path since the square was last built
    int32_t toiletNoteRead = 0;   // the men's toilet's scrawl has been read
    int32_t toiletTrapTaken = 0;  // a trap stall of the men's toilet has caught the player
    int32_t saveUsed = 0;         // a game was saved or loaded
};

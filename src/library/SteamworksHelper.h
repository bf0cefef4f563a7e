#pragma once
#include <cstdint>
#include <set>

// The achievement record: the ids awarded in this run. A platform achievement service would switch
// it on and read it; the game has none, so it stays disabled unless a tool (the headless driver)
// enables it. Not saved.
class SteamworksHelper {
  public:
    virtual ~SteamworksHelper() = default;

    // Records the id once; does nothing while disabled. Always returns 0.
    int32_t Award(int32_t id);

    uint32_t enabled = 0;
    std::set<int32_t> awarded;
};

// What some awards count across fields: cleared whenever the title screen comes up.
struct AwardCounters {
    int32_t pathVisits = 0;       // builds of the approach path since the square was last built
    int32_t toiletNoteRead = 0;   // the men's toilet's scrawl has been read
    int32_t toiletTrapTaken = 0;  // a trap stall of the men's toilet has caught the player
    int32_t saveUsed = 0;         // a game was saved or loaded
};

#pragma once
// Outside the inn: the approach path through the cedars (field 22) opening at its north end onto
// the gravel square (field 1) before the inn's front. Both fields place the same two shells at the
// origin: "hiroba.x", the ground, the lanterns and the inn's facade, drawn from the blocks below
// (what glows in it the fields place as lamps);
// and "hiroba_kusa.x", the wood, drawn from the grove.
//
// The path runs along z, its walkable lane x ±4.3 between the trunks, from the south up to
// kSquareSouth; the square spans x ±kSquareHalfWidth from there to the facade at kFacade, the inn's
// lit entrance in its middle behind a raised stone forecourt.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

#include "levels/RoomPlan.h"

namespace level {

inline constexpr float kPathHalfWidth = 4.3f;  // the lane the walker keeps to
inline constexpr float kSquareSouth = 13.0f;
inline constexpr float kSquareHalfWidth = 18.0f;
inline constexpr float kFacade = 41.2f;          // the front face of the inn's wall
inline constexpr float kForecourtSouth = 31.5f;  // the foot of its steps' top
inline constexpr float kForecourtTop = 0.3f;
inline constexpr float kForecourtHalfWidth = 7.0f;

namespace outdoor {

inline constexpr float kSlab = 1.0f;  // outdoor ground is thick: nothing falls through its edges
inline constexpr float kInnDepth = 10.8f;
inline constexpr float kInnHalfWidth = 14.0f;
inline constexpr float kStorey = 3.3f;
inline constexpr float kEaves = 6.6f;
inline constexpr float kDoorHalfWidth = 1.1f;  // the entrance's opening ("iriguti.x")
inline constexpr float kDoorTop = kForecourtTop + 2.52f;
inline constexpr float kWallZ = kFacade + kWallThickness / 2;

constexpr Block Ground(float x0, float z0, float x1, float z1, float top, Finish finish) {
    return {{x0, top - kSlab, z0}, {x1, top, z1}, finish};
}

// A box of the facade standing `proud` in front of the wall's face.
constexpr Block OnFacade(float x0, float y0, float x1, float y1, float proud, Finish finish) {
    return {{x0, y0, kFacade - proud}, {x1, y1, kFacade + 0.05f}, finish};
}

// A box that gives light of its own (a lit window's paper, a lantern's fire box): not part of
// the shell, the field places it as a glowing mesh.
struct LampBox {
    Point min, max;
};

// The shell's blocks and lamps, appended to fixed-size tables while compiling.
template <size_t Blocks, size_t Lamps>
struct ShellList {
    std::array<Block, Blocks> blocks{};
    std::array<LampBox, Lamps> lamps{};
    size_t blockCount = 0;
    size_t lampCount = 0;

    constexpr void Add(const Block& block) { blocks[blockCount++] = block; }
    constexpr void AddLamp(Point min, Point max) { lamps[lampCount++] = {min, max}; }
};
using HirobaList = ShellList<128, 24>;

// A window of the facade: its pane (lit paper or dark glass) in a timber frame with a lattice of
// two uprights and one rail.
constexpr void AddWindow(HirobaList& list, float x, float y0, float y1, bool lit) {
    constexpr float kHalf = 1.1f, kBar = 0.06f;
    const Block pane = OnFacade(x - kHalf, y0, x + kHalf, y1, 0.06f, Finish::Night);
    if (lit) {
        list.AddLamp(pane.min, pane.max);
    } else {
        list.Add(pane);
    }
    list.Add(OnFacade(x - kHalf - 0.1f, y0 - 0.12f, x + kHalf + 0.1f, y0, 0.16f, Finish::Panel));
    list.Add(OnFacade(x - kHalf - 0.1f, y1, x + kHalf + 0.1f, y1 + 0.1f, 0.12f, Finish::Panel));
    for (const float bar : {x - kHalf / 3, x + kHalf / 3}) {
        list.Add(OnFacade(bar - kBar / 2, y0, bar + kBar / 2, y1, 0.1f, Finish::Panel));
    }
    const float rail = (y0 + y1) / 2;
    list.Add(
        OnFacade(x - kHalf, rail - kBar / 2, x + kHalf, rail + kBar / 2, 0.09f, Finish::Panel));
}

// A stone lantern with its lit fire box, standing on the ground at `y`.
constexpr void AddLantern(HirobaList& list, float x, float z, float y) {
    list.Add({{x - 0.3f, y, z - 0.3f}, {x + 0.3f, y + 0.25f, z + 0.3f}, Finish::Stone});
    list.Add({{x - 0.11f, y + 0.25f, z - 0.11f}, {x + 0.11f, y + 0.95f, z + 0.11f}, Finish::Stone});
    list.AddLamp({x - 0.22f, y + 0.95f, z - 0.22f}, {x + 0.22f, y + 1.3f, z + 0.22f});
    list.Add({{x - 0.36f, y + 1.3f, z - 0.36f}, {x + 0.36f, y + 1.42f, z + 0.36f}, Finish::Stone});
    list.Add({{x - 0.14f, y + 1.42f, z - 0.14f}, {x + 0.14f, y + 1.58f, z + 0.14f}, Finish::Stone});
}

constexpr auto kHirobaList = [] {
    HirobaList list;
    // The ground: the gravel path between grassy verges under the trees, the gravel square, the
    // grass round it and behind the inn, the inn's stone forecourt.
    list.Add(Ground(-1.6f, -45, 1.6f, kSquareSouth, 0, Finish::Sand));
    list.Add(Ground(-40, -45, -1.6f, kSquareSouth, 0, Finish::Grass));
    list.Add(Ground(1.6f, -45, 40, kSquareSouth, 0, Finish::Grass));
    list.Add(Ground(-kSquareHalfWidth, kSquareSouth, kSquareHalfWidth, kForecourtSouth, 0,
                    Finish::Sand));
    list.Add(
        Ground(-kSquareHalfWidth, kForecourtSouth, -kForecourtHalfWidth, kFacade, 0, Finish::Sand));
    list.Add(
        Ground(kForecourtHalfWidth, kForecourtSouth, kSquareHalfWidth, kFacade, 0, Finish::Sand));
    list.Add(Ground(-kForecourtHalfWidth, kForecourtSouth, kForecourtHalfWidth, kFacade,
                    kForecourtTop, Finish::Stone));
    list.Add(Ground(-40, kSquareSouth, -kSquareHalfWidth, 70, 0, Finish::Grass));
    list.Add(Ground(kSquareHalfWidth, kSquareSouth, 40, 70, 0, Finish::Grass));
    list.Add(Ground(-kSquareHalfWidth, kFacade, kSquareHalfWidth, 70, 0, Finish::Grass));

    // The inn: plastered walls two storeys high, the entrance's opening in the middle of the
    // facade, a lit hall behind its glass doors.
    const float back = kFacade + kInnDepth;
    list.Add(WallX(kWallZ, -kInnHalfWidth, -kDoorHalfWidth, 0, kEaves, Finish::Plaster));
    list.Add(WallX(kWallZ, kDoorHalfWidth, kInnHalfWidth, 0, kEaves, Finish::Plaster));
    list.Add(LintelX(kWallZ, -kDoorHalfWidth, kDoorHalfWidth, kDoorTop, kEaves, Finish::Plaster));
    list.Add(WallX(back, -kInnHalfWidth, kInnHalfWidth, 0, kEaves, Finish::Plaster));
    list.Add(WallZ(-kInnHalfWidth, kFacade, back, 0, kEaves, Finish::Plaster));
    list.Add(WallZ(kInnHalfWidth, kFacade, back, 0, kEaves, Finish::Plaster));
    list.Add({{-kDoorHalfWidth, 0, kFacade + kWallThickness},
              {kDoorHalfWidth, kForecourtTop, kFacade + 0.9f},
              Finish::Stone});
    list.Add(WallZ(-kDoorHalfWidth - 0.1f, kFacade + kWallThickness, kFacade + 0.9f, 0, kDoorTop,
                   Finish::Plaster));
    list.Add(WallZ(kDoorHalfWidth + 0.1f, kFacade + kWallThickness, kFacade + 0.9f, 0, kDoorTop,
                   Finish::Plaster));
    list.Add({{-kDoorHalfWidth, kForecourtTop, kFacade + 1.0f},
              {kDoorHalfWidth, kDoorTop, kFacade + 1.1f},
              Finish::Plaster});
    list.AddLamp({-kDoorHalfWidth, kForecourtTop, kFacade + 0.9f},
                 {kDoorHalfWidth, kDoorTop, kFacade + 1.0f});
    // Its dark timbers: corner and bay posts, the beam between the storeys.
    for (const float x : {-kInnHalfWidth, -8.0f, -3.0f, 3.0f, 8.0f, kInnHalfWidth}) {
        list.Add(OnFacade(x - 0.15f, 0, x + 0.15f, kEaves, 0.2f, Finish::Panel));
    }
    list.Add(OnFacade(-kInnHalfWidth, kStorey + 0.3f, kInnHalfWidth, kStorey + 0.55f, 0.14f,
                      Finish::Panel));
    // Windows: paper screens lit along the ground floor, some of the rooms above still awake.
    for (const float x : {-11.0f, -5.5f, 5.5f, 11.0f}) {
        AddWindow(list, x, 1.0f, 2.3f, true);
    }
    for (const auto& [x, lit] :
         {std::pair{-11.0f, false}, std::pair{-5.5f, true}, std::pair{0.0f, false},
          std::pair{5.5f, false}, std::pair{11.0f, true}}) {
        AddWindow(list, x, 4.4f, 5.6f, lit);
    }
    // A tiled pent roof along the facade above the ground floor, deeper over the entrance on two
    // posts, and the main roof in tiers.
    list.Add({{-kInnHalfWidth - 0.4f, kStorey, kFacade - 1.0f},
              {kInnHalfWidth + 0.4f, kStorey + 0.2f, kFacade},
              Finish::Stone,
              false});
    list.Add({{-3.6f, kStorey - 0.25f, kFacade - 2.2f},
              {3.6f, kStorey - 0.05f, kFacade - 1.0f},
              Finish::Stone,
              false});
    for (const float x : {-3.3f, 3.3f}) {
        list.Add({{x - 0.13f, kForecourtTop, kFacade - 2.1f},
                  {x + 0.13f, kStorey - 0.25f, kFacade - 1.84f},
                  Finish::Panel});
    }
    for (int tier = 0; tier < 5; ++tier) {
        const float in = 1.1f * static_cast<float>(tier) - 0.9f;
        const float y = kEaves + 0.5f * static_cast<float>(tier);
        list.Add({{-kInnHalfWidth - 0.2f + in, y, kFacade + in - 0.4f},
                  {kInnHalfWidth + 0.2f - in, y + 0.5f, back - in + 0.4f},
                  Finish::Stone,
                  false});
    }

    // Stone lanterns: along the path, at its mouth onto the square and by the forecourt's steps.
    AddLantern(list, -2.8f, -11.0f, 0);
    AddLantern(list, 2.8f, -3.0f, 0);
    AddLantern(list, -2.8f, 5.0f, 0);
    AddLantern(list, -3.5f, 12.0f, 0);
    AddLantern(list, 3.5f, 12.0f, 0);
    AddLantern(list, -5.5f, 30.0f, 0);
    AddLantern(list, 5.5f, 30.0f, 0);
    return list;
}();

inline constexpr std::span<const Block> kHirobaBlocks{kHirobaList.blocks.data(),
                                                      kHirobaList.blockCount};

// Up onto the forecourt from the square.
inline constexpr Stair kHirobaStairs[] = {
    {{-kForecourtHalfWidth, 0, kForecourtSouth - 0.6f},
     {kForecourtHalfWidth, kForecourtTop, kForecourtSouth},
     Rise::North,
     2,
     Finish::Stone},
};

}  // namespace outdoor

inline constexpr RoomPlan kHirobaPlan{"hiroba.x", outdoor::kHirobaBlocks, outdoor::kHirobaStairs};
// The lit windows, the entrance's lit hall and the lanterns' fire boxes of that shell.
inline constexpr std::span<const outdoor::LampBox> kHirobaLamps{outdoor::kHirobaList.lamps.data(),
                                                                outdoor::kHirobaList.lampCount};

// What grows outside: trees, bushes and tufts of grass, each standing on the ground (y 0) at its
// foot.
enum class Growth : uint8_t {
    Cedar,      // a tall straight trunk bare to kCedarCrownBase, then tiers of dark needles
    Broadleaf,  // a trunk under a cloud of leaves from kBroadleafCrownBase
    Bush,       // a low mound of leaves, no trunk
    Tuft,       // a tuft of grass
};

inline constexpr float kCedarCrownBase = 4.6f;      // above a following camera's eye
inline constexpr float kBroadleafCrownBase = 4.0f;  // so is a broadleaf's

struct Plant {
    float x, z;
    float height;
    float spread;  // the crown's (or the bush's) radius
    Growth growth;
    bool solid = false;  // a trunk the walker meets: where the walk areas reach it
};

// The radius of a tree's trunk at its foot.
constexpr float TrunkRadius(const Plant& plant) {
    return 0.12f + 0.022f * plant.height;
}

struct GrovePlan {
    std::string_view shell;  // catalogue name of the model the grove is drawn into
    std::span<const Plant> plants;
};

namespace outdoor {

// A fixed sequence of numbers in 0..1 to vary the wood's rows: the same every build.
struct Jitter {
    uint32_t state;
    constexpr float Next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / static_cast<float>(1u << 24);
    }
};

template <size_t N>
struct PlantList {
    std::array<Plant, N> plants{};
    size_t count = 0;

    constexpr void Add(const Plant& plant) { plants[count++] = plant; }
};

constexpr auto kHirobaGroveList = [] {
    PlantList<520> list;
    Jitter jitter{20240611u};
    // The cedars of the wood either side of the path, rank behind rank, and on behind the
    // square's south edge.
    for (const float side : {-1.0f, 1.0f}) {
        for (int rank = 0; rank < 5; ++rank) {
            const float offset = 1.3f * static_cast<float>(rank % 2);
            for (float z = -40 + offset; z < kSquareSouth - 1.5f; z += 2.6f) {
                const float x = side * (4.8f + 2.9f * static_cast<float>(rank) + jitter.Next() / 2);
                list.Add({x, z + jitter.Next(), 10 + 5 * jitter.Next(), 1.7f + 0.5f * jitter.Next(),
                          Growth::Cedar});
            }
        }
    }
    // Broadleaf trees along the square's sides, cedars behind them and behind the inn.
    for (const float side : {-1.0f, 1.0f}) {
        for (float z = kSquareSouth + 1.0f; z < 46; z += 4.0f) {
            list.Add({side * (20.0f + jitter.Next()), z + jitter.Next(), 7 + 2 * jitter.Next(),
                      2.4f + 0.6f * jitter.Next(), Growth::Broadleaf});
            list.Add({side * (24.5f + 2 * jitter.Next()), z + 2 * jitter.Next(),
                      12 + 5 * jitter.Next(), 2.0f, Growth::Cedar});
        }
    }
    for (float x = -26; x < 27; x += 3.5f) {
        list.Add({x + jitter.Next(), kFacade + 14 + 3 * jitter.Next(), 13 + 5 * jitter.Next(), 2.0f,
                  Growth::Cedar});
    }
    // Two old trees on the square itself, where the walker may bump into them.
    list.Add({-11.0f, 20.0f, 8.5f, 3.2f, Growth::Broadleaf, true});
    list.Add({12.0f, 26.0f, 9.5f, 3.4f, Growth::Broadleaf, true});
    // Undergrowth lining the path beyond its lane, and round the square's edges.
    for (const float side : {-1.0f, 1.0f}) {
        for (float z = -40; z < kSquareSouth - 0.5f; z += 1.7f) {
            list.Add({side * (kPathHalfWidth + 0.7f + 0.4f * jitter.Next()), z + jitter.Next(),
                      0.7f + 0.5f * jitter.Next(), 0.6f + 0.3f * jitter.Next(), Growth::Bush});
        }
        for (float z = kSquareSouth + 0.5f; z < kFacade; z += 2.3f) {
            list.Add({side * (kSquareHalfWidth + 0.6f + 0.3f * jitter.Next()), z + jitter.Next(),
                      0.8f + 0.5f * jitter.Next(), 0.8f + 0.3f * jitter.Next(), Growth::Bush});
        }
        for (float x = kPathHalfWidth + 1.0f; x < kSquareHalfWidth; x += 1.9f) {
            list.Add({side * x, kSquareSouth - 0.7f + 0.3f * jitter.Next(),
                      0.8f + 0.5f * jitter.Next(), 0.8f + 0.3f * jitter.Next(), Growth::Bush});
        }
    }
    // Tufts of grass on the verges and at the square's edges.
    for (const float side : {-1.0f, 1.0f}) {
        for (float z = -40; z < kSquareSouth; z += 1.1f) {
            list.Add({side * (1.9f + 2.2f * jitter.Next()), z + jitter.Next(), 0.35f, 0.25f,
                      Growth::Tuft});
        }
        for (float z = kSquareSouth; z < kFacade; z += 1.6f) {
            list.Add({side * (kSquareHalfWidth - 0.4f * jitter.Next()), z + jitter.Next(), 0.35f,
                      0.25f, Growth::Tuft});
        }
    }
    return list;
}();

}  // namespace outdoor

inline constexpr GrovePlan kHirobaGrove{
    "hiroba_kusa.x", {outdoor::kHirobaGroveList.plants.data(), outdoor::kHirobaGroveList.count}};

}  // namespace level

// The room shells: floors, walls, ceilings and stairs drawn from the room plans the fields build
// their colliders from.
#include <array>
#include <cmath>
#include <utility>

#include "levels/Plans.h"
#include "models/ModelKit.h"
#include "models/Recipes.h"

namespace {

using level::Finish;

// World units a finish's texture covers before it repeats: boards and tiles at their own size
// beside a player 1.2 tall, plaster and paving broader.
float RepeatOf(Finish finish) {
    switch (finish) {
        case Finish::Wood:
        case Finish::Ceiling:
        case Finish::Panel:
        case Finish::Tile:
        case Finish::BathTile:
        case Finish::BathWall:
        case Finish::Tatami:
            return 1.0f;
        case Finish::Lockers:
            return 1.8f;  // three rows of doors up a locker wall 1.8 high
        default:
            return 2.0f;
    }
}

Material MaterialOf(Finish finish) {
    switch (finish) {
        case Finish::Plaster:
            return Textured("kabe.bmp", 0xE6DDCB);
        case Finish::Panel:
            return Shiny(Textured("ki1.bmp", 0x7A5638), 20, 0.15f);
        case Finish::Wood:
            return Shiny(Textured("ki.bmp", 0xB88A5C), 30, 0.25f);
        case Finish::Tatami:
            return Textured("tatami.bmp");
        case Finish::Carpet:
            return Textured("jutan.bmp");
        case Finish::Tile:
            return Shiny(Textured("rest_zimen.bmp"), 40, 0.3f);
        case Finish::BathTile:
            return Shiny(Textured("bath_floor.bmp"), 40, 0.4f);
        case Finish::BathWall:
            return Shiny(Textured("bath_white.bmp"), 40, 0.3f);
        case Finish::Marble:
            return Shiny(Textured("bath_dairi.bmp"), 40, 0.5f);
        case Finish::Water:
            return Shiny(Plain(0x5E9AA2), 80, 0.9f);
        case Finish::Lockers:
            return Textured("datui.bmp");
        case Finish::NorenM:
            return Textured("noren_man.bmp");
        case Finish::NorenW:
            return Textured("noren_woman.bmp");
        case Finish::Stone:
            return Textured("rest_zimen.bmp", 0x8C8A84);
        case Finish::Sand:
            return Textured("sand.bmp");
        case Finish::Grass:
            return Textured("sand.bmp", 0x4C6A34);
        case Finish::Bark:
            return Textured("ki.bmp", 0x5A4030);
        case Finish::Leaves:
            return Plain(0x27401F);
        case Finish::Concrete:
            return Textured("white.bmp", 0x8E8C86);
        case Finish::Ceiling:
            return Textured("ki.bmp", 0xCDB592);
        case Finish::Night:
            return Plain(0x05060A);
    }
    return Plain(0xFF00FF);
}

Vec3 ToVec(level::Point p) {
    return {p.x, p.y, p.z};
}

// Finishes whose texture is one picture (a curtain's print) rather than a repeating surface.
bool IsPicture(Finish finish) {
    return finish == Finish::NorenM || finish == Finish::NorenW;
}

// Stretches the texture once over each face of the block, upright on the side faces.
void FitBoxUvs(Mesh& mesh, uint32_t firstVertex, const level::Block& block) {
    const Vec3 low = ToVec(block.min);
    const Vec3 size = ToVec(block.max) - low;
    for (Vertex& v : mesh.Vertices().subspan(firstVertex)) {
        const Vec3 n{std::fabs(v.normal.x), std::fabs(v.normal.y), std::fabs(v.normal.z)};
        const float x = (v.position.x - low.x) / size.x;
        const float down = (block.max.y - v.position.y) / size.y;
        const float z = (v.position.z - low.z) / size.z;
        if (n.y >= n.x && n.y >= n.z) {
            v.uv = {x, z};
        } else if (n.x >= n.z) {
            v.uv = {z, down};
        } else {
            v.uv = {x, down};
        }
    }
}

// One material per finish, added the first time a finish is used.
class FinishMaterials {
  public:
    explicit FinishMaterials(Mesh& mesh) : mesh_(mesh) { slots_.fill(kNone); }
    uint32_t operator[](Finish finish) {
        uint32_t& slot = slots_[static_cast<size_t>(finish)];
        if (slot == kNone) slot = mesh_.AddMaterial(MaterialOf(finish));
        return slot;
    }

  private:
    static constexpr uint32_t kNone = ~0u;
    Mesh& mesh_;
    std::array<uint32_t, static_cast<size_t>(Finish::Night) + 1> slots_{};
};

// Solid steps from the floor up, each a box as deep as one step.
void AddSteps(Mesh& mesh, const level::Stair& stair, uint32_t material) {
    const bool alongZ = stair.rise == level::Rise::North || stair.rise == level::Rise::South;
    const bool descending = stair.rise == level::Rise::South || stair.rise == level::Rise::West;
    const float first = alongZ ? stair.min.z : stair.min.x;
    const float run = (alongZ ? stair.max.z : stair.max.x) - first;
    const float rise = (stair.max.y - stair.min.y) / static_cast<float>(stair.steps);
    const float depth = run / static_cast<float>(stair.steps);
    for (int i = 0; i < stair.steps; ++i) {
        // The i-th step from the foot, counted from the low end of the run.
        const int fromLow = descending ? stair.steps - 1 - i : i;
        Vec3 low = ToVec(stair.min);
        Vec3 high = ToVec(stair.max);
        high.y = stair.min.y + rise * static_cast<float>(i + 1);
        (alongZ ? low.z : low.x) = first + depth * static_cast<float>(fromLow);
        (alongZ ? high.z : high.x) = first + depth * static_cast<float>(fromLow + 1);
        AddBox(mesh, low, high, material);
    }
}

Mesh Shell(const level::RoomPlan& plan) {
    Mesh mesh;
    FinishMaterials materials(mesh);
    for (const level::Block& block : plan.blocks) {
        const uint32_t first = mesh.NextVertex();
        AddBox(mesh, ToVec(block.min), ToVec(block.max), materials[block.finish]);
        if (IsPicture(block.finish)) {
            FitBoxUvs(mesh, first, block);
        } else {
            ProjectBoxUvs(mesh, first, RepeatOf(block.finish));
        }
    }
    for (const level::Stair& stair : plan.stairs) {
        const uint32_t first = mesh.NextVertex();
        AddSteps(mesh, stair, materials[stair.finish]);
        ProjectBoxUvs(mesh, first, RepeatOf(stair.finish));
    }
    return mesh;
}

template <size_t... I>
constexpr auto ShellRecipes(std::index_sequence<I...>) {
    return std::array<ModelRecipe, sizeof...(I)>{
        ModelRecipe{level::kRoomPlans[I]->shell, [] { return Shell(*level::kRoomPlans[I]); }}...};
}

constexpr auto kShellRecipes =
    ShellRecipes(std::make_index_sequence<std::size(level::kRoomPlans)>());

}  // namespace

std::span<const ModelRecipe> RoomRecipes() {
    return kShellRecipes;
}

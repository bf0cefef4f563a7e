// The four building blocks against the player: which are seen, which are touched, which push.
#include <gtest/gtest.h>

#include "EventFixture.h"
#include "content/events/Blocks.h"

namespace {

struct BlockCase {
    const char* name;
    std::unique_ptr<Ev::Block> (*make)();
    bool shown;
    bool touched;  // marked when the player stands in it
    bool pushes;   // moves the player out
    friend void PrintTo(const BlockCase& row, std::ostream* out) { *out << row.name; }
};

template <typename T>
std::unique_ptr<Ev::Block> Make() {
    return std::make_unique<T>();
}

class BlockTest : public EventTest, public testing::WithParamInterface<BlockCase> {};

TEST_P(BlockTest, ShowsAndMeetsThePlayerAsItsKindSays) {
    const BlockCase& c = GetParam();
    std::unique_ptr<Ev::Block> made = c.make();
    Ev::Block& block = *made;
    field.AppendChild(std::move(made));
    // A half-unit box reaching 0.2 into the player's sphere from +x.
    block.mesh.position = {0.4f, 0.35f, 0};
    block.mesh.scale = glm::vec3(0.5f);
    Enter({0, 0.35f, 0});
    player.Move(field.colliders);

    EXPECT_EQ(block.mesh.hidden == 0, c.shown);
    EXPECT_EQ(block.mesh.modelIndex, Ev::kCubeModel);
    EXPECT_EQ(block.mesh.collider.hitState == HIT_BY_PLAYER, c.touched);
    EXPECT_EQ(player.Position().x < -0.1f, c.pushes) << "x " << player.Position().x;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BlockTest,
    testing::Values(BlockCase{"drawObj", Make<Ev::drawObj>, true, false, false},
                    BlockCase{"HitBox", Make<Ev::HitBox>, false, true, true},
                    BlockCase{"drawHitObj", Make<Ev::drawHitObj>, true, true, true},
                    BlockCase{"HitFlag", Make<Ev::HitFlag>, false, true, false}));

}  // namespace

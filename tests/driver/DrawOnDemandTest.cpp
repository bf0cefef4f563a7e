// Drawing on demand: of three frames, only the pictured one reaches the device's clears, draws and
// present, while every frame's state changes reach it.
#include <gtest/gtest.h>

#include "DrawOnDemand.h"
#include "app/FakePlatform.h"

TEST(DrawOnDemandTest, RasterisesOnlyThePicturedFrame) {
    FakeWindow window;
    auto made = std::make_unique<gfx::NullDevice>(window, gfx::NullDevice::FullCaps());
    const gfx::NullDevice& inner = *made;
    driver::DrawOnDemandDevice device(std::move(made));
    std::string log;
    const gfx::ProgramId program = device.CreateProgram({"void main() {}", "void main() {}"}, log);
    const float corners[] = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    const uint32_t indices[] = {0, 1, 2};
    const gfx::MeshId mesh =
        device.CreateMesh({{{gfx::Attribute::Position, 0, 3}}, 12}, corners, indices);
    const auto frame = [&] {
        device.BeginScene();
        device.Clear(0, 1, 0);
        device.UseProgram(program, {});
        device.DrawMesh(mesh, 0, 3);
        device.EndScene();
        return device.Present();
    };

    struct Expected {
        bool pictured;
        int clears, draws, presents, programSwitches;
    };
    for (const Expected& each :
         {Expected{false, 0, 0, 0, 1}, Expected{true, 1, 1, 1, 2}, Expected{false, 1, 1, 1, 3}}) {
        if (each.pictured) device.CaptureNextPresent();
        EXPECT_EQ(frame(), gfx::DeviceState::Ok);
        const auto& counts = inner.counts();
        EXPECT_EQ(counts.clears, each.clears) << each.programSwitches;
        EXPECT_EQ(counts.draws, each.draws) << each.programSwitches;
        EXPECT_EQ(counts.presents, each.presents) << each.programSwitches;
        EXPECT_EQ(counts.programSwitches, each.programSwitches);
        EXPECT_EQ(counts.beginScenes, each.programSwitches);
    }
}

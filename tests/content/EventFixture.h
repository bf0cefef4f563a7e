#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/FakePlatform.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"
#include "scene/Scene.h"

// A headless library (null device, the game's own archive) with the player and a bare field to
// put events in. Tests add their events, then Enter, then drive the events' Update themselves.
class EventTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(library.Initialise(&device), S_OK); }

    template <typename T>
    T& Add() {
        auto event = std::make_unique<T>();
        T& added = *event;
        field.AppendChild(std::move(event));
        return added;
    }
    // Enters the field with the player standing at `spawn`.
    void Enter(const glm::vec3& spawn = {0, 0.35f, 0}) {
        player.SetSpawn(0, spawn);
        field.Enter(&player, &library);
    }

    FakePlatform platform;
    gfx::NullDevice device{platform.window, gfx::NullDevice::FullCaps()};
    MyLibrary library{platform.services};
    Personal player{1};
    Scene field;  // after the library: its meshes give their models back first
};

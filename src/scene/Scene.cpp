#include "scene/Scene.h"

#include "library/AssetNames.h"
#include "library/MyLibrary.h"
#include "library/TextBox.h"
#include "scene/Personal.h"

Scene::Scene() {
    for (CObjMesh& mesh : fixedMeshes) {
        mesh.modelIndex = AssetRow("cube.x");
        mesh.hidden = 1;
    }
}

void Scene::Init(Personal*, MyLibrary*) {}

size_t Scene::AddChild(std::unique_ptr<Scene> child) {
    child->parent = this;
    size_t slot = 0;
    while (slot < children.size() && children[slot]) ++slot;
    if (slot == children.size()) {
        children.push_back(std::move(child));
    } else {
        children[slot] = std::move(child);
    }
    currentChild = static_cast<int32_t>(slot);
    return slot;
}

void Scene::AppendChild(std::unique_ptr<Scene> child) {
    child->parent = this;
    children.push_back(std::move(child));
}

Scene* Scene::CurrentChild() const {
    if (currentChild < 0 || static_cast<size_t>(currentChild) >= children.size()) return nullptr;
    return children[currentChild].get();
}

const TextBox* Scene::OpenDialogue() const {
    for (const TextBox* box : dialogues) {
        if (box->IsOpen()) return box;
    }
    for (const auto& child : children) {
        if (const TextBox* box = child ? child->OpenDialogue() : nullptr) return box;
    }
    return nullptr;
}

void Scene::SetRoomBox(const glm::vec3& min, const glm::vec3& max) {
    if (roomPlanes.size() < 6) {
        Plane wall;
        wall.type = COLL_PLANE;
        wall.kind = KIND_SOLID;
        roomPlanes.insert(roomPlanes.end(), 6, wall);
    }
    // Only the named components are written; the others keep their values.
    roomPlanes[0].point[0] = max.x, roomPlanes[0].normal[0] = -1;
    roomPlanes[1].point[0] = min.x, roomPlanes[1].normal[0] = 1;
    roomPlanes[2].point[1] = min.y, roomPlanes[2].normal[1] = 1;
    roomPlanes[3].point[1] = max.y, roomPlanes[3].normal[1] = -1;
    roomPlanes[4].point[2] = max.z, roomPlanes[4].normal[2] = -1;
    roomPlanes[5].point[2] = min.z, roomPlanes[5].normal[2] = 1;
}

void Scene::InitScene(Personal* scenePlayer, MyLibrary* sceneLibrary) {
    player = scenePlayer;
    library = sceneLibrary;
    Init(scenePlayer, sceneLibrary);
    PlaceMeshes();
}

void Scene::PlaceMeshes() {
    for (CObjMesh* mesh : meshes) {
        mesh->Update(*library);
        if (mesh->collider.type == COLL_SPHERE) mesh->UpdateSphere();
        if (mesh->collider.type == COLL_OBB) mesh->UpdateBox();
    }
}

void Scene::Enter(Personal* fieldPlayer, MyLibrary* fieldLibrary) {
    // Every field starts from the default view, lights, fog and fade, with no mirror.
    fieldLibrary->effect.ResetForField();
    fieldLibrary->effect.mirrorActive = 0;
    SetRoomBox({-10, 0, -10}, {10, 10, 10});
    fieldPlayer->Enter(fieldLibrary);
    InitScene(fieldPlayer, fieldLibrary);
    for (Plane& plane : roomPlanes) colliders.push_back(&plane);
    // Only the children's meshes collide; the field's own are scenery.
    for (auto& child : children) {
        if (!child) continue;
        child->InitScene(fieldPlayer, fieldLibrary);
        for (CObjMesh* mesh : child->meshes) {
            if (mesh->collider.type != COLL_NONE) colliders.push_back(&mesh->collider);
        }
    }
}

void Scene::Frame() {
    player->PreUpdate();
    if (player->controlMode != kControlMenu) {
        player->Move(colliders);
        Update();
        for (auto& child : children) {
            if (child) child->Update();
        }
        return;
    }
    // The pause menu holds the world; it may ask to go back to the title screen.
    if (player->returnToTitle == 1) {
        player->SetSpawn(0, {0, 0, 0});
        // The menu is closed; the title decides what the player may do from here.
        player->controlMode = kControlHeld;
        parent->titleRequested = 1;
    }
    player->returnToTitle = 0;
}

#pragma once
#include <cstdint>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "collision/CollObj.h"

class CModel;
class CTexture;
class MyLibrary;
struct ModelBounds;

// A model of the catalogue placed in a scene, with its shading values and a collider. Owners set
// the public values (usually once, in their constructor or Init) and call Update after moving it.
//
// Resources: the first Update binds the library and takes the model and, per material, its
// texture and normal map from the library's caches; the destructor gives back exactly what was
// counted, so the library must outlive every mesh that was updated with it. A mesh is neither
// copyable nor movable: children and colliders keep pointers to its `world` and `collider`.
class CObjMesh {
  public:
    CObjMesh() = default;
    CObjMesh(const CObjMesh&) = delete;
    CObjMesh& operator=(const CObjMesh&) = delete;
    virtual ~CObjMesh();

    // Binds on the first call (later calls ignore `library`), then rebuilds `world`: copied from
    // `*worldOverride` when set, else Scaling(scale) × RotationYawPitchRoll(rotation) with
    // `position` as translation; then multiplied on the right by `*parent` when set.
    void Update(MyLibrary& library);
    // The collider as a bounding sphere of the model under `world`: `radius` is the model's sphere
    // radius times the longest of world's first three rows, `centre` its sphere centre transformed
    // by `world`. A mesh without a loaded model counts as a point at its origin.
    void UpdateSphere();
    // The sphere of UpdateSphere, and the collider as a box: axes the normalised first three rows
    // of `world` (a row of length 0 gives a zero axis), half extents the model's scaled by those
    // rows' lengths. Owners call it after moving a mesh that takes part in collision.
    void UpdateBox();

    // The lit draw and the shadow-map draw, from the binding and `world` of the last Update.
    // Defined with the renderer.
    void Draw();
    void DrawShadow();
    // The draw one pass of the scene makes, unless hidden: in the shadow pass the world is rebuilt
    // first and the mesh drawn into the shadow map; in the others it is drawn lit.
    void DrawInPass(MyLibrary& library, bool shadowPass);
    // True when the lit draw wholly hides what lies behind it, so that the order of such draws
    // leaves the picture as it is: a loaded model, no alpha below 1, no cut-out edges blended in.
    bool IsOpaque() const;

    // One entry per model material, in material order: the texture (or normal map) this mesh
    // holds a count of, null when the material has none or its load failed.
    std::vector<CTexture*> textures;
    std::vector<CTexture*> normalMaps;
    int32_t modelIndex = 0;        // catalogue row of the model; read at the first Update only
    MyLibrary* library = nullptr;  // null until the first Update
    CModel* model = nullptr;       // null until bound, and when the model failed to load

    glm::vec3 position{0.0f};  // world units, in the parent's space
    glm::vec3 scale{1.0f};
    glm::vec3 rotation{0.0f};  // degrees: x pitch, y yaw, z roll

    glm::vec4 colour{1.0f};  // rgb tint and alpha
    glm::vec3 diffuseFactor{1.0f};
    float power = 10.0f;  // specular exponent
    glm::vec3 emissive{1.0f};
    float emissiveIntensity = 0.0f;

    // Not owned; must outlive the mesh's updates.
    const glm::mat4* worldOverride = nullptr;
    glm::mat4 world{1.0f};  // D3DX row-vector layout: translation in world[3]
    const glm::mat4* parent = nullptr;

    int32_t hidden = 0;       // non-zero: out of every pass
    int32_t castsShadow = 1;  // 0: out of the shadow pass

    float diffuseStrength = 0.5f;
    float ambientStrength = 1.0f;
    float factorB = 0.8f;
    float factorA = 0.035f;
    float tickSeconds = 0.016f;  // the frame tick; no draw reads it

    OBB collider;

  private:
    void Bind(MyLibrary& library);
    // The bound model's bounds; all zero (a point at the origin) without a loaded model.
    const ModelBounds& Bounds() const;

    int32_t boundModelIndex_ = 0;  // the row counted at binding, whatever modelIndex says later
};

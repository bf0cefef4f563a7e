#pragma once
#include "scene/Scene.h"

namespace Fld {

// The corridor from the lobby to the changing rooms, seen along its length from the lobby's end.
class Bath_Pass : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The men's changing room.
class Bath_Datui_Man : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The women's changing room.
class Bath_Datui_Woman : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The men's bath.
class Bath_Room_Man : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The women's bath.
class Bath_Room_Woman : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

}  // namespace Fld

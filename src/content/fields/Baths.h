#pragma once
#include "scene/Scene.h"

namespace Fld {

// The corridor from the lobby to the changing rooms, seen along its length from the lobby's end.
class Bath_Pass : public Scene {
  public:
    const char16_t* Name() const override { return u"Bath_Pass"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The men's changing room.
class Bath_Datui_Man : public Scene {
  public:
    const char16_t* Name() const override { return u"Bath_Datui_Man"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The women's changing room.
class Bath_Datui_Woman : public Scene {
  public:
    const char16_t* Name() const override { return u"Bath_Datui_Woman"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The men's bath.
class Bath_Room_Man : public Scene {
  public:
    const char16_t* Name() const override { return u"Bath_Room_Man"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

// The women's bath.
class Bath_Room_Woman : public Scene {
  public:
    const char16_t* Name() const override { return u"Bath_Room_Woman"; }
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
};

}  // namespace Fld

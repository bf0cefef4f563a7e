#pragma once
#include <cstdint>

// The number of every field: what a save records in `currentField`, what the retry and continue
// rebuild from, and what the exits name.
enum class FieldId : int32_t {
    TestRoom = 0,
    Soto = 1,
    Lobby = 2,
    LobbyRestRoom = 3,
    Staff_Room = 4,
    Dining_Room = 5,
    Bath_Pass = 6,
    Bath_Datui_Man = 7,
    Bath_Datui_Woman = 8,
    Bath_Room_Man = 9,
    Bath_Room_Woman = 10,
    Guest_Room = 11,
    Guest_Bath = 12,
    Rest_Men = 13,
    Rest_Women = 14,
    F3 = 15,
    Roof_Kai = 16,
    Roof_Top = 17,
    Fld_201 = 18,
    Fld_201_Bath = 19,
    Fld_202 = 20,
    Fld_203 = 21,
    Sandou = 22,
    SecretRoom = 23,
};

inline constexpr int32_t kFieldCount = 24;

#include "library/SteamworksHelper.h"

int32_t SteamworksHelper::Award(int32_t id) {
    if (enabled) awarded.insert(id);
    return 0;
}

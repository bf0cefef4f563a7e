#include "scene/Personal.h"

Personal::Personal(uint32_t nowMs) {
    ResetRecord(record, nowMs);
}

void Personal::Enter(MyLibrary* fieldLibrary) {
    library = fieldLibrary;
    position = {record.spawnPos[0], record.spawnPos[1], record.spawnPos[2]};
    yaw = record.spawnYaw;
}

void Personal::SetSpawn(float spawnYaw, const glm::vec3& spawnPosition) {
    record.spawnYaw = spawnYaw;
    record.spawnPos[0] = spawnPosition.x;
    record.spawnPos[1] = spawnPosition.y;
    record.spawnPos[2] = spawnPosition.z;
}

#include "collision/CollisionTable.h"

CollisionTable::CollisionTable() {
    for (auto& row : table_) row.fill(&none_);
    table_[COLL_SPHERE] = {&none_, &sphereSphere_, &sphereBox_, &spherePlane_, &sphereSegment_};
    table_[COLL_OBB] = {&none_, &boxSphere_, &boxBox_, &boxPlane_, &boxSegment_};
    table_[COLL_PLANE] = {&none_, &planeSphere_, &planeBox_, &none_, &none_};
    table_[COLL_SEGMENT] = {&none_, &segmentSphere_, &segmentBox_, &none_, &none_};
}

BaseColl& CollisionTable::Pick(int32_t firstType, int32_t secondType) {
    const bool known =
        firstType >= 0 && firstType < kTypeCount && secondType >= 0 && secondType < kTypeCount;
    return known ? *table_[firstType][secondType] : none_;
}

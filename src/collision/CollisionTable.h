#pragma once
#include <array>
#include <cstdint>

#include "collision/BaseColl.h"
#include "collision/CollObj.h"

// The pair tests by shape type: one instance of each test, built once and never copied, and a
// 5 x 5 table of them indexed by the first shape's type and then the second's. Pairs without a
// test (anything with type 0, plane-plane, plane or segment against plane or segment) go to the
// default that never touches and zeroes both pushes.
class CollisionTable {
  public:
    static constexpr int kTypeCount = 5;

    CollisionTable();
    CollisionTable(const CollisionTable&) = delete;
    CollisionTable& operator=(const CollisionTable&) = delete;

    // The test for a pair of types; a type outside 0..4 gets the default.
    BaseColl& Pick(int32_t firstType, int32_t secondType);

    // Tests `first` (the caller's own shape) against `second`; non-zero for contact.
    uint32_t Test(CollObj& first, CollObj& second) {
        return Pick(first.type, second.type).Test(first, second);
    }

  private:
    BaseColl none_;
    SvsS sphereSphere_;
    SvsOBB sphereBox_;
    SvsP spherePlane_;
    SvsSeg sphereSegment_;
    OBBvsS boxSphere_;
    OBBvsOBB boxBox_;
    OBBvsP boxPlane_;
    OBBvsSeg boxSegment_;
    PvsS planeSphere_;
    PvsOBB planeBox_;
    SegvsS segmentSphere_;
    SegvsOBB segmentBox_;
    std::array<std::array<BaseColl*, kTypeCount>, kTypeCount> table_;
};

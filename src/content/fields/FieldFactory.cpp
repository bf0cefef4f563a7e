#include "content/fields/FieldFactory.h"

#include "content/fields/TestRoom.h"
#include "content/fields/Title.h"

namespace {

template <typename T>
std::unique_ptr<Scene> Make() {
    return std::make_unique<T>();
}

struct FieldRow {
    int32_t number;
    std::unique_ptr<Scene> (*make)();
};

constexpr FieldRow kFields[] = {
    {Fld::TestRoom::kNumber, Make<Fld::TestRoom>},
};

}  // namespace

std::unique_ptr<Scene> MakeField(int32_t number) {
    for (const FieldRow& row : kFields) {
        if (row.number == number) return row.make();
    }
    return nullptr;
}

std::unique_ptr<Scene> MakeTitle() {
    return std::make_unique<Fld::Title>();
}

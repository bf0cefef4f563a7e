#include "content/fields/Intro.h"

#include "content/fields/FieldTable.h"

namespace Fld {
namespace {

using content::StageIs;

// clang-format off
const Placement kEvents[] = {
    {Make<Ev::IntroFirst>,     -1, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, StageIs(Ev::kOpeningStage)},
    {Make<Ev::IntroSoto>,      -1, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, StageIs(Ev::kSquareSeenStage)},
    {Make<Ev::IntroTitleCall>, -1, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, StageIs(Ev::kCorridorSeenStage)},
    {Make<Ev::IntroCut>,       -1, {0, 0, 0}},
};
// clang-format on

}  // namespace

void Intro::Init(Personal*, MyLibrary*) {
    content::PlaceEvents(*this, kEvents);
}

}  // namespace Fld

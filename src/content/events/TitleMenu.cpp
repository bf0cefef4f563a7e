#include "content/events/TitleMenu.h"

#include <cmath>
#include <memory>

#include "content/Services.h"
#include "content/fields/FieldFactory.h"
#include "library/Format.h"
#include "library/Input.h"
#include "scene/Personal.h"
#include "scene/SaveData.h"

namespace Ev {
namespace {

constexpr EvTitle::Entry kEntries[] = {EvTitle::Entry::NewGame, EvTitle::Entry::Continue,
                                       EvTitle::Entry::Licence, EvTitle::Entry::Achievements};
constexpr auto kEntryCount = static_cast<int32_t>(std::size(kEntries));

// The layout, in the overlay's units (1920 × 1080, origin at the centre, y up): a dark band down
// the left of the picture, widened for the saved games and the licences, the game's name at its
// top and the rows below it.
constexpr float kLayoutHeight = 1080;
constexpr float kTextUnit = 24;  // a line of text at size 1, before its line factor
constexpr float kBandLeft = -960, kMenuBandWidth = 700, kWideBandWidth = 1000,
                kFullBandWidth = 1920;
constexpr glm::vec4 kBandColour{0.0f, 0.0f, 0.02f, 0.55f};
constexpr float kFullBandAlpha = 0.85f;  // the picture all but hidden behind the achievements
constexpr float kTextLeft = -800;
constexpr glm::vec3 kGameNameAt{-820, 330, 0};
constexpr float kGameNameSize = 3.5f;
constexpr float kLineFactor = 1.5f;
constexpr float kEntrySize = 1.4f;
constexpr float kEntriesTop = 60;
constexpr float kEntryPitch = kTextUnit * kEntrySize * kLineFactor;
constexpr float kHighlightReach = 60;  // the bar runs this far left of the texts
constexpr float kMenuHighlightWidth = 460, kSlotHighlightWidth = 820;
constexpr glm::vec3 kHeadingAt{kTextLeft, 200, 0};
constexpr float kSlotsTop = 90, kSlotPitch = 120;
constexpr float kSlotLineFactor = 1.3f;
constexpr float kSlotLineHalf =
    kTextUnit * kSlotLineFactor / 2;  // a label's middle, below its first line
constexpr glm::vec3 kDescriptionAt{kTextLeft, -170, 0};
constexpr glm::vec3 kSlotsDescriptionAt{kTextLeft, -300, 0};
constexpr glm::vec3 kRecordsAt{kTextLeft, -240, 0};
constexpr glm::vec3 kHelpAt{kTextLeft, -440, 0};
constexpr glm::vec3 kLicenceAt[] = {{kTextLeft, 230, 0}, {kTextLeft, -35, 0}};
constexpr float kLicenceLineFactor = 1.4f;
constexpr glm::vec4 kTextColour{0.93f, 0.9f, 0.84f, 1.0f};
constexpr glm::vec4 kQuietColour{0.7f, 0.7f, 0.72f, 1.0f};
constexpr int32_t kBlinkPeriod = 100;

// A saved game that the title can continue: its field can be rebuilt and its spawn is a place.
bool Continuable(const SaveRecord& record) {
    const glm::vec3& at = record.spawnPos;
    return MakeField(record.currentField) != nullptr && std::isfinite(at.x) &&
           std::isfinite(at.y) && std::isfinite(at.z) && std::isfinite(record.spawnYaw);
}

void Style(CObjText& text, const glm::vec3& at, float size, const glm::vec4& colour) {
    text.position = at;
    text.scale = glm::vec3(size);
    text.colour = colour;
    text.lineFactor = 1.1f;
}

}  // namespace

EvTitle::EvTitle()
    : entries_(kEntryCount, kEntriesTop, kEntryPitch), slots_(kSlots, kSlotsTop, kSlotPitch) {
    blink_.Add(0, 0.12f);
    blink_.Add(kBlinkPeriod / 2, 0.32f);
    blink_.Add(kBlinkPeriod, 0.12f);
    backdrop_.colour = kBandColour;
    highlight_.colour = {1, 1, 1, 0};
    overlayQuads = {&backdrop_, &highlight_};

    Style(gameName_, kGameNameAt, kGameNameSize, kTextColour);
    gameName_.key = u"Ev_Title_0";
    Style(list_, {kTextLeft, kEntriesTop, 0}, kEntrySize, kTextColour);
    list_.lineFactor = kLineFactor;
    list_.key = u"Ev_Title_1";
    Style(heading_, kHeadingAt, kEntrySize, kTextColour);
    heading_.key = u"Ev_Title_4";
    Style(description_, kDescriptionAt, 1.0f, kQuietColour);
    Style(records_, kRecordsAt, 0.9f, kQuietColour);
    records_.literal = &recordsLine_;
    Style(help_, kHelpAt, 0.9f, kQuietColour);
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        CObjText& label = slotTexts_[static_cast<size_t>(slot)];
        Style(label, {kTextLeft, slots_.CentreOf(slot) + kSlotLineHalf, 0}, 1.0f, kTextColour);
        label.literal = &slotLines_[static_cast<size_t>(slot)];
        label.lineFactor = kSlotLineFactor;
    }
    for (size_t part = 0; part < licence_.size(); ++part) {
        Style(licence_[part], kLicenceAt[part], 1.0f, kTextColour);
        licence_[part].lineFactor = kLicenceLineFactor;
    }
    licence_[0].key = u"License_Text0";
    licence_[1].key = u"License_Text1";
    overlayTexts = {&gameName_, &list_, &heading_, &description_, &records_, &help_};
    for (CObjText& label : slotTexts_) overlayTexts.push_back(&label);
    for (CObjText& part : licence_) overlayTexts.push_back(&part);
    achievements_.AddTo(overlayTexts);
}

void EvTitle::Init(Personal* scenePlayer, MyLibrary* sceneLibrary) {
    const content::Services engine(*sceneLibrary);
    scenePlayer->ambientSound.reset();
    scenePlayer->controlMode = kControlHeld;
    engine.Counters() = AwardCounters{};
    engine.Controls().ReleaseCapture();
    const SystemSettings& settings = engine.Settings();
    if (settings.firstClearTime != 0) {
        const PlayClock best = ClockOf(settings.bestClearTime);
        const PlayClock first = ClockOf(settings.firstClearTime);
        recordsLine_ = FormatText(engine.Text(u"Ev_Title_8"), best.hours, best.minutes,
                                  best.seconds, first.hours, first.minutes, first.seconds);
    }
    Lay();
}

void EvTitle::Update() {
    switch (page_) {
        case Page::Menu:
            MenuStep();
            break;
        case Page::Load:
            LoadStep();
            break;
        case Page::Licence:
            ShowingStep(Entry::Licence);
            break;
        case Page::Achievements:
            ShowingStep(Entry::Achievements);
            break;
    }
    blinkFrame_ = (blinkFrame_ + 1) % kBlinkPeriod;
    Lay();
}

void EvTitle::MenuStep() {
    const content::Services engine(*library);
    if (entries_.Step(engine.Controls(), engine.Pointer())) player->PlaySelectionTick();
    if (player->actionPressed == 0) return;
    player->PlayConfirmClick();
    Take(kEntries[entries_.chosen]);
}

void EvTitle::Take(Entry entry) {
    switch (entry) {
        case Entry::NewGame:
            StartNewGame();
            break;
        case Entry::Continue:
            OpenLoad();
            break;
        case Entry::Licence:
            TurnTo(Page::Licence);
            break;
        case Entry::Achievements:
            achievements_.Refresh(content::Services(*library));
            TurnTo(Page::Achievements);
            break;
    }
}

void EvTitle::StartNewGame() {
    ResetRecord(player->record, content::Services(*library).NowMs());
    player->controlMode = kControlFree;
    ChangeField(*parent, MakeIntro(), 0, {0, 0, 0});
}

void EvTitle::OpenLoad() {
    const content::Services engine(*library);
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        SaveRecord saved;
        const bool filled = LoadSlot(saved, slot, engine.NowMs()) && Continuable(saved);
        slotLines_[static_cast<size_t>(slot)] =
            filled ? SlotLabel(saved, engine.Text(u"FlagManager_0")) : engine.Text(u"Ev_Title_6");
    }
    slots_.chosen = 0;
    loadFailed_ = false;
    TurnTo(Page::Load);
}

void EvTitle::LoadStep() {
    const content::Services engine(*library);
    if (slots_.Step(engine.Controls(), engine.Pointer())) {
        player->PlaySelectionTick();
        loadFailed_ = false;
    }
    if (player->subReleased != 0) {
        BackToMenu(Entry::Continue);
    } else if (player->actionPressed != 0) {
        player->PlayConfirmClick();
        Continue(slots_.chosen);
    }
}

void EvTitle::Continue(int32_t slot) {
    const content::Services engine(*library);
    SaveRecord saved = player->record;
    std::unique_ptr<Scene> field;
    if (LoadSlot(saved, slot, engine.NowMs()) && Continuable(saved)) {
        field = MakeField(saved.currentField);
    }
    if (!field) {
        loadFailed_ = true;
        return;
    }
    player->record = saved;
    player->controlMode = kControlFree;
    engine.Counters().saveUsed = 1;
    ChangeField(*parent, std::move(field), saved.spawnYaw, saved.spawnPos);
}

void EvTitle::ShowingStep(Entry entry) {
    if (player->subReleased != 0) BackToMenu(entry);
}

void EvTitle::BackToMenu(Entry chosen) {
    for (int32_t row = 0; row < kEntryCount; ++row) {
        if (kEntries[row] == chosen) entries_.chosen = row;
    }
    TurnTo(Page::Menu);
}

void EvTitle::TurnTo(Page page) {
    page_ = page;
    // A pointer resting where the new page has rows does not choose one until it moves again.
    content::Services(*library).Controls().state.mouseMoved = 0;
}

const char16_t* EvTitle::DescriptionKey() const {
    if (page_ == Page::Menu && kEntries[entries_.chosen] == Entry::NewGame) return u"Ev_Title_3";
    if (page_ == Page::Load && loadFailed_) return u"Ev_Title_7";
    return nullptr;
}

void EvTitle::Lay() {
    const bool menu = page_ == Page::Menu, load = page_ == Page::Load;
    const bool achievements = page_ == Page::Achievements;
    const float bandWidth = menu ? kMenuBandWidth : achievements ? kFullBandWidth : kWideBandWidth;
    backdrop_.scale = {bandWidth, kLayoutHeight, 1};
    backdrop_.position = {kBandLeft + bandWidth / 2, 0, 0};
    backdrop_.colour.a = achievements ? kFullBandAlpha : kBandColour.a;

    const MenuRows* rows = menu ? &entries_ : load ? &slots_ : nullptr;
    highlight_.hidden = rows ? 0 : 1;
    if (rows) {
        const float width = menu ? kMenuHighlightWidth : kSlotHighlightWidth;
        highlight_.scale = {width, rows->Pitch() * 0.9f, 1};
        highlight_.position = {kTextLeft - kHighlightReach + width / 2,
                               rows->CentreOf(rows->chosen), 0};
        highlight_.colour.a = blink_.Value(blinkFrame_);
    }

    list_.hidden = menu ? 0 : 1;
    records_.hidden = menu && !recordsLine_.empty() ? 0 : 1;
    heading_.hidden = load ? 0 : 1;
    for (CObjText& label : slotTexts_) label.hidden = load ? 0 : 1;
    for (CObjText& part : licence_) part.hidden = page_ == Page::Licence ? 0 : 1;
    achievements_.Show(achievements);
    gameName_.hidden = achievements ? 1 : 0;
    help_.key = menu ? u"Ev_Title_2" : load ? u"Ev_Title_5" : u"Ev_Title_9";
    const char16_t* description = DescriptionKey();
    description_.hidden = description ? 0 : 1;
    if (description) description_.key = description;
    description_.position = load ? kSlotsDescriptionAt : kDescriptionAt;
}

std::u16string EvTitle::DebugText(const std::u16string& text) const {
    const char16_t* description = DescriptionKey();
    return FormatText(u"%s\npage = %d\nrow = %d\ndescription = %s\n", text + Name(),
                      static_cast<int32_t>(page_), Row(), description ? description : u"none");
}

}  // namespace Ev

#include "scene/menu/ItemPage.h"

#include <array>

#include "library/MyLibrary.h"
#include "scene/SaveData.h"

namespace {

constexpr std::array<const char16_t*, SaveRecord::kItemCount> kItemNames{
    u"CItem_name0",  u"CItem_name1",  u"CItem_name2",  u"CItem_name3", u"CItem_name4",
    u"CItem_name5",  u"CItem_name6",  u"CItem_name7",  u"CItem_name8", u"CItem_name9",
    u"CItem_name10", u"CItem_name11", u"CItem_name12", u"CItem_name13"};
constexpr std::array<const char16_t*, SaveRecord::kItemCount> kItemInfos{
    u"CItem_info0",  u"CItem_info1",  u"CItem_info2",  u"CItem_info3", u"CItem_info4",
    u"CItem_info5",  u"CItem_info6",  u"CItem_info7",  u"CItem_info8", u"CItem_info9",
    u"CItem_info10", u"CItem_info11", u"CItem_info12", u"CItem_info13"};

}  // namespace

MenuResult ItemPage::Step(MenuRecord& menu) {
    const TextData& texts = menu.library->textData;
    MenuRecord::Show(menu.titleText, u"Menu_8");
    MenuRecord::Show(menu.footerText, u"Menu_24");
    list_ = texts.GetText(u"Menu_25");
    listed_.clear();
    for (size_t item = 0; item < kItemNames.size(); ++item) {
        if (menu.record->itemHeld[item] == 0) continue;
        list_ += u'\n';
        list_ += texts.GetText(kItemNames[item]);
        listed_.push_back(item);
    }
    MenuRecord::Show(menu.listText, list_);

    // Row -k shows the k-th item listed.
    const int64_t row = -int64_t{menu.selection};
    if (row == 0) {
        MenuRecord::Show(menu.helpText, u"Menu_9");
    } else if (row > 0 && row <= static_cast<int64_t>(listed_.size())) {
        MenuRecord::Show(menu.helpText, kItemInfos[listed_[static_cast<size_t>(row - 1)]]);
    } else {
        MenuRecord::ShowNothing(menu.helpText);
    }
    if (menu.backIn != 0) menu.GoTo(MenuRecord::kMainPage, 0);
    return kMenuStayOpen;
}

#pragma once

#include <array>
#include <vector>

#include <QStringView>

#include "platform/AppContext.h"
#include "platform/Layout.h"

namespace kl {

// The names of the controls the window's code reaches, as the layout below builds them and the window
// finds them again (Form2Fields). They stand here and nowhere else.
namespace form2 {
// Rim diameter, rim width, offset direction, offset, tyre width and aspect ratio, by SizeBlock.
inline constexpr std::array<std::array<QStringView, 6>, 4> kSizeInputs{{
    {u"Combo11", u"Combo12", u"Combo1", u"Text13", u"Combo14", u"Combo15"},
    {u"Combo16", u"Combo17", u"Combo2", u"Text18", u"Combo19", u"Combo20"},
    {u"Combo21", u"Combo22", u"Combo3", u"Text23", u"Combo24", u"Combo25"},
    {u"Combo26", u"Combo27", u"Combo4", u"Text28", u"Combo29", u"Combo30"},
}};
// The measured clearances, by WheelPosition and ClearanceKind.
inline constexpr std::array<std::array<QStringView, 3>, 4> kClearanceInputs{{
    {u"F2_FC_FL_Hikikomi_Old_TXT", u"F2_FC_FL_Joubu_Old_TXT", u"F2_FC_FL_Zengo_Old_TXT"},
    {u"F2_FC_FR_Hikikomi_Old_TXT", u"F2_FC_FR_Joubu_Old_TXT", u"F2_FC_FR_Zengo_Old_TXT"},
    {u"F2_FC_RL_Hikikomi_Old_TXT", u"F2_FC_RL_Joubu_Old_TXT", u"F2_FC_RL_Zengo_Old_TXT"},
    {u"F2_FC_RR_Hikikomi_Old_TXT", u"F2_FC_RR_Joubu_Old_TXT", u"F2_FC_RR_Zengo_Old_TXT"},
}};
// The same-as-front boxes of the old and the new rear size, and the Settings menu items that toggle them.
inline constexpr std::array<QStringView, 2> kSameAsFrontBoxes{u"Check1", u"Check2"};
inline constexpr std::array<QStringView, 2> kSameAsFrontItems{u"mnuBeforeSameFront", u"mnuAfterSameFront"};
// The window's own File menu items.
inline constexpr QStringView kFileOpenItem = u"mnuFileOpen";
inline constexpr QStringView kFileSaveItem = u"mnuFileSave";
inline constexpr QStringView kDataClearItem = u"mnuDataClear";
// "O K", "データクリア", "トップメニュー".
inline constexpr QStringView kOkButton = u"Command1";
inline constexpr QStringView kClearButton = u"Command2";
inline constexpr QStringView kTopMenuButton = u"Command3";
// The help panel: its text and its three picture places.
inline constexpr QStringView kHelpText = u"Label_Kaisetsu";
inline constexpr QStringView kTyreMarkingImage = u"Image3";
inline constexpr QStringView kWheelMarkingImage = u"Image12";
inline constexpr QStringView kFigureImage = u"Image13";
// The pictures the load step shows: the banner, the maker's logo and the frames' headings.
inline constexpr QStringView kBannerImage = u"Image4";
inline constexpr QStringView kLogoImage = u"Image2";
inline constexpr std::array<QStringView, 4> kTyreHeadingImages{u"Image6", u"Image7", u"Image5",
                                                               u"Image8"}; // by SizeBlock
inline constexpr QStringView kBeforeHeadingImage = u"Image9";
inline constexpr QStringView kAfterHeadingImage = u"Image10";
inline constexpr QStringView kHelpHeadingImage = u"Image11";
} // namespace form2

// The data-entry window as data: its menus, status bar, default button and tab order, and every control
// with its container, twip rectangle, font, caption and tooltip.
WindowSpec form2Window();
std::vector<ControlSpec> form2Controls();

} // namespace kl

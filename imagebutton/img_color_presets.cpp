// The colour presets of the image button as one table.
#include "imagebutton/img_color_presets.h"

#include <array>

namespace gw {

namespace {

struct TPreset {
    TColor Face, Light, Shadow, WhenDown, HotTrack;
    bool Flat = false;
    TColor Font = clBlack;
    bool Modern = false;
    bool Quicken = false;
};

// Indexed by TImgColorStyle from lcsGold on.
const std::array<TPreset, 10> Presets = {{
    {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, false, clBlack, true, false},  // lcsGold
    {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, false, clBlack, true, false},  // lcsChrome
    {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, false, clBlack, true, false},  // lcsBlue
    {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, false, clBlack, true, false},  // lcsRed
    {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, true, clBlack, false, false},  // lcsUltraFlat1
    {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, true, clBlack, false, false},  // lcsUltraFlat2
    {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, true, clBlack, false, false},  // lcsUltraFlatXP
    {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, false, clBlack, true, false},  // lcsAqua
    {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, false, clBlack, false, false},  // lcsDefault
    {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, false, 0xFFFFFF, false, true},  // lcsQuicken
}};

}  // namespace

void GetImgColorStylePreset(Integer Style, TColor& FaceColor, TColor& LightColor, TColor& ShadowColor,
                            TColor& ColorWhenDown, TColor& HotTrackColor, TColor& FontColor, bool& Flat, bool& Modern,
                            bool& Quicken)
{
    FontColor = clBlack;
    Flat = false;
    Modern = false;
    Quicken = false;
    Integer s = Style % 128;
    if (s < 0) s += 128;
    if (s < lcsGold || s > lcsQuicken) return;
    const TPreset& p = Presets[std::size_t(s - lcsGold)];
    FaceColor = p.Face;
    LightColor = p.Light;
    ShadowColor = p.Shadow;
    ColorWhenDown = p.WhenDown;
    HotTrackColor = p.HotTrack;
    FontColor = p.Font;
    Flat = p.Flat;
    Modern = p.Modern;
    Quicken = p.Quicken;
}

}  // namespace gw

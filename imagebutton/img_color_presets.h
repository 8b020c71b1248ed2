// The colour presets behind the image button's ColorStyle property.
#pragma once

#include "imagebutton/img_button_types.h"
#include "platform/graphics/colour.h"

namespace gw {

// Fills the outputs from the preset of Style (taken modulo 128). Font colour, flat flag and both
// style switches are reset first; a value without a preset (lcsCustom, or above lcsQuicken)
// leaves the colour outputs as they were.
void GetImgColorStylePreset(Integer Style, TColor& FaceColor, TColor& LightColor, TColor& ShadowColor,
                            TColor& ColorWhenDown, TColor& HotTrackColor, TColor& FontColor, bool& Flat, bool& Modern,
                            bool& Quicken);

}  // namespace gw

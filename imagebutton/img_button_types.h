// The enumerations of the image button: colour presets, stock kinds, glyph layouts, face styles.
#pragma once

namespace gw {

enum TImgColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken,
};

enum TImgButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

enum TImgButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

enum TImgButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

}  // namespace gw

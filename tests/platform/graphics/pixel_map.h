// Test aid: a small bitmap's pixels as rows of letters, so pictures read like the expectation.
#pragma once

#include "platform/graphics/bitmap.h"

#include <map>
#include <string>
#include <vector>

namespace gw::test {

// Each pixel becomes the letter its colour is mapped to, '?' for other colours.
inline std::vector<std::string> PixelMap(const TBitmap& bmp, const std::map<TColor, char>& legend)
{
    std::vector<std::string> rows;
    for (Integer y = 0; y < bmp.Height(); ++y) {
        std::string row;
        for (Integer x = 0; x < bmp.Width(); ++x) {
            auto it = legend.find(bmp.PixelColor(x, y));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

// A white bitmap of that size.
inline std::unique_ptr<TBitmap> WhiteBitmap(Integer w, Integer h)
{
    auto bmp = std::make_unique<TBitmap>(w, h);
    bmp->Canvas()->Brush()->SetColor(clWhite);
    bmp->Canvas()->FillRect(Rect(0, 0, w, h));
    return bmp;
}

}  // namespace gw::test

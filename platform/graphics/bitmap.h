// Bitmaps: pixels in memory with a canvas, transparency, and BMP files of every common depth.
#pragma once

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <cstdint>
#include <vector>

namespace gw {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };

// Pixels are kept 4 bytes each in memory order B, G, R, A (A unused except in pf32bit),
// whatever the pixel format: the format decides how the bitmap is written to a file and
// whether the fourth byte is alpha. ScanLine gives such rows. New pixels are black.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(Integer AWidth, Integer AHeight, TPixelFormat Format = pf24bit);
    ~TBitmap() override;
    String ClassName() const override { return u"TBitmap"; }
    void Assign(TPersistent* Source) override;

    Integer Width() const override { return m_width; }
    Integer Height() const override { return m_height; }
    void SetWidth(Integer Value) override { SetSize(Value, m_height); }
    void SetHeight(Integer Value) override { SetSize(m_width, Value); }
    // Keeps the pixels that stay inside; negative sizes are taken as 0.
    void SetSize(Integer AWidth, Integer AHeight);

    TPixelFormat PixelFormat() const { return m_pixelFormat; }
    void SetPixelFormat(TPixelFormat Value);
    // pf32bit only: afDefined draws with the alpha channel (premultiplied, as cairo keeps it).
    TAlphaFormat AlphaFormat = afIgnored;

    // The colour shown as transparent: the bottom-left pixel in tmAuto mode.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(TTransparentMode Value);

    // The canvas draws on the bitmap; it lives as long as the bitmap.
    TCanvas* Canvas();
    // Row y (top to bottom) of Width() pixels of 4 bytes B, G, R, A; ERangeError outside.
    uint8_t* ScanLine(Integer Row);
    const uint8_t* ScanLine(Integer Row) const;
    // The colour of a pixel, clNone outside.
    TColor PixelColor(Integer X, Integer Y) const;

    // The palette written for 1, 4 and 8-bit files ($00BBGGRR); loaded with such files.
    const std::vector<TColor>& Palette() const { return m_palette; }
    void SetPalette(std::vector<TColor> Value) { m_palette = std::move(Value); }

    void Draw(TCanvas& Canvas, const TRect& R) override;
    std::unique_ptr<TBitmap> ToBitmap() const override;
    // BMP files: 1, 4, 8 (uncompressed or RLE), 16, 24 and 32 bits; EInvalidGraphic
    // "Bitmap image is not valid" for anything else.
    void LoadFromBytes(std::string_view Bytes) override;
    // Written in the pixel format (1, 4 and 8 bits through the palette, nearest colour).
    std::string SaveToBytes() const override;
    // Loads a BITMAP resource by name; EResNotFound when there is none.
    void LoadFromResourceName(StringView Name);

    // The surface behind the canvas (ARGB32 for pf32bit, RGB24 otherwise).
    cairo_surface_t* Surface() const { return m_surface; }

private:
    void Recreate(Integer AWidth, Integer AHeight, bool keep);

    Integer m_width = 0;
    Integer m_height = 0;
    TPixelFormat m_pixelFormat = pf24bit;
    TColor m_transparentColor = clDefault;
    TTransparentMode m_transparentMode = tmAuto;
    std::vector<TColor> m_palette;
    cairo_surface_t* m_surface = nullptr;
    std::unique_ptr<TCanvas> m_canvas;
};

}  // namespace gw

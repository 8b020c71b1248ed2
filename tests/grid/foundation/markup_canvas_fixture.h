// A test fixture for the mark-up renderer: a recording canvas whose font has fixed metrics
// (monospaced, every character 8 pixels wide and 15 high) and helpers that read its log.
#pragma once

#include "grid/foundation/markup_renderer.h"

#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace gw::test {

class MarkupCanvasTest : public ::testing::Test {
protected:
    static constexpr Integer CW = 8;  // every character's width
    static constexpr Integer LH = 15;  // the height of a line of text

    void SetUp() override
    {
        Canvas.Font()->SetName(u"Courier New");
        Canvas.Font()->SetHeight(-13);
        Canvas.Font()->SetColor(clBlack);
        Canvas.Brush()->SetColor(clWhite);
        // The whole fixture rests on these: a font change shows here first.
        ASSERT_EQ(Canvas.TextWidth(u"a"), CW);
        ASSERT_EQ(Canvas.TextWidth(u"W "), 2 * CW);
        ASSERT_EQ(Canvas.TextHeight(u"gh"), LH);
        ASSERT_EQ(Canvas.GetTextMetrics().tmExternalLeading, 0);
    }

    // Draws (or measures, as Args says) Text in Rect on the canvas, with a fresh log.
    TMarkupDrawResult Render(StringView Text, TRect Rect, TMarkupDrawArgs Args = {})
    {
        Canvas.ClearCalls();
        Args.Canvas = &Canvas;
        Args.Text = Text;
        Args.Rect = Rect;
        return DrawMarkupText(Args);
    }

    // The text runs drawn, one entry per line: the left of the line's first run, ":", and the
    // runs' texts. Bullets and control values (drawn other than bottom-aligned) are left out.
    std::vector<std::string> Lines() const
    {
        std::map<Integer, std::string> byTop;
        std::map<Integer, Integer> left;
        for (const TCanvasCall& c : Canvas.Calls()) {
            if (c.Name != "DrawText" || (c.Args[4] & DT_CALCRECT) || !(c.Args[4] & DT_BOTTOM)) continue;
            if (!left.count(c.Args[1])) left[c.Args[1]] = c.Args[0];
            byTop[c.Args[1]] += StringToUtf8(c.Text);
        }
        std::vector<std::string> out;
        for (const auto& [top, text] : byTop) out.push_back(std::to_string(left[top]) + ":" + text);
        return out;
    }

    // The drawing calls with what shows in them: rectangles, texts, and the font, brush and pen
    // that matter to each kind of call. Measurements are left out.
    std::vector<std::string> Drawn() const
    {
        std::vector<std::string> out;
        for (const TCanvasCall& c : Canvas.Calls()) {
            std::vector<Integer> args = c.Args;
            if (c.Name == "DrawText") {
                if (args[4] & DT_CALCRECT) continue;
                args.pop_back();  // the format
            }
            std::string line = c.Name + "(";
            for (size_t i = 0; i < args.size(); ++i) line += (i ? "," : "") + std::to_string(args[i]);
            line += ")";
            if (!c.Text.empty()) line += " \"" + StringToUtf8(c.Text) + "\"";
            if (c.Name == "DrawText" || c.Name == "TextOut") {
                line += " font=" + Hex(c.FontColor) + Styles(c.FontStyle);
                if (c.FontOrientation) line += " turn=" + std::to_string(c.FontOrientation);
                if (c.BrushStyle != bsClear) line += " bg=" + Hex(c.BrushColor);
            } else if (c.Name == "FillRect" || c.Name == "Rectangle") {
                line += " brush=" + Hex(c.BrushColor);
                if (c.Name == "Rectangle") line += " pen=" + Hex(c.PenColor);
            } else if (c.Name == "Polyline" || c.Name == "LineTo") {
                line += " pen=" + Hex(c.PenColor);
            }
            out.push_back(line);
        }
        return out;
    }

    static std::string Hex(TColor Colour)
    {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(Colour));
        return buffer;
    }

    static std::string Styles(TFontStyles Style)
    {
        std::string s;
        if (Style & fsBold) s += " B";
        if (Style & fsItalic) s += " I";
        if (Style & fsUnderline) s += " U";
        if (Style & fsStrikeOut) s += " S";
        return s;
    }

    TRecordingCanvas Canvas;
};

}  // namespace gw::test

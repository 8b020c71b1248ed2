// The canvas against the platform's own drawing: shapes, lines, pens, frame controls, text
// metrics and DrawText's size calculation replayed from data/gdi_expected.txt, whose expected
// pixels GDI drew (tools/gdi_expectations says how they were made and how to make them again).
#include "platform/graphics/bitmap.h"
#include "platform/graphics/frame_controls.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace gw {
namespace {

struct GdiCase {
    std::string name;
    Integer width = 0;
    Integer height = 0;
    std::vector<std::string> commands;  // measuring cases: "command => result"
    std::vector<std::string> expected;  // picture cases: one row of colour letters per line
};

std::vector<GdiCase> LoadCases()
{
    // GW_GDI_EXPECTED names another file of the same form (a larger sweep made by hand).
    const char* over = std::getenv("GW_GDI_EXPECTED");
    std::ifstream in(over ? std::string(over) : std::string(GW_TEST_DATA) + "/gdi_expected.txt");
    std::vector<GdiCase> cases;
    bool rows = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') {
            rows = false;
            continue;
        }
        if (line.rfind("case ", 0) == 0) {
            GdiCase c;
            std::istringstream(line.substr(5)) >> c.name >> c.width >> c.height;
            cases.push_back(c);
            rows = false;
        } else if (line == "expect") {
            rows = true;
        } else if (!cases.empty()) {
            (rows ? cases.back().expected : cases.back().commands).push_back(line);
        }
    }
    return cases;
}

const std::vector<GdiCase>& Cases()
{
    static const std::vector<GdiCase> cases = LoadCases();
    return cases;
}

std::vector<GdiCase> PictureCases()
{
    std::vector<GdiCase> out;
    for (const GdiCase& c : Cases())
        if (c.width > 0) out.push_back(c);
    return out;
}

const GdiCase* MeasuringCase(const std::string& name)
{
    for (const GdiCase& c : Cases())
        if (c.name == name) return &c;
    return nullptr;
}

// The colours of the letters: fixed ones, then the system colours of frame controls.
const std::map<char, TColor>& Legend()
{
    static const std::map<char, TColor> legend = {
        {'.', clWhite},   {'#', clBlack},   {'r', clRed},          {'g', clLime},        {'b', clBlue},
        {'y', clYellow},  {'f', clBtnFace}, {'h', clBtnHighlight}, {'s', clBtnShadow},   {'d', cl3DDkShadow},
        {'l', cl3DLight}, {'t', clBtnText}, {'w', clWindow},       {'k', clWindowFrame}, {'x', clGrayText}};
    return legend;
}

TColor ColourOf(const std::string& letter)
{
    auto it = Legend().find(letter.empty() ? '?' : letter[0]);
    return it == Legend().end() ? clFuchsia : it->second;
}

TPenStyle PenStyleOf(const std::string& name)
{
    static const std::map<std::string, TPenStyle> styles = {
        {"solid", psSolid}, {"dash", psDash}, {"dot", psDot}, {"dashdot", psDashDot}, {"dashdotdot", psDashDotDot}};
    auto it = styles.find(name);
    return it == styles.end() ? psClear : it->second;
}

std::vector<TPoint> PointsOf(std::istringstream& args)
{
    std::vector<TPoint> pts;
    for (std::string p; args >> p;) {
        auto comma = p.find(',');
        pts.push_back({std::stoi(p.substr(0, comma)), std::stoi(p.substr(comma + 1))});
    }
    return pts;
}

// Replays one drawing command of the data file on the canvas.
void Replay(TCanvas& c, const std::string& command)
{
    std::istringstream args(command);
    std::string op;
    args >> op;
    if (op == "pen") {
        std::string style, colour;
        Integer width = 1;
        args >> style >> width >> colour;
        c.Pen()->SetStyle(PenStyleOf(style));
        c.Pen()->SetWidth(width);
        if (!colour.empty()) c.Pen()->SetColor(ColourOf(colour));
    } else if (op == "brush") {
        std::string colour;
        args >> colour;
        c.Brush()->SetStyle(colour == "null" ? bsClear : bsSolid);
        if (colour != "null") c.Brush()->SetColor(ColourOf(colour));
    } else if (op == "bk") {
        // The canvas's background colour is its brush's.
        std::string mode, colour;
        args >> mode >> colour;
        c.Brush()->SetColor(ColourOf(colour));
        c.SetBkMode(mode == "opaque" ? OPAQUE : TRANSPARENT);
    } else if (op == "line") {
        Integer x0, y0, x1, y1;
        args >> x0 >> y0 >> x1 >> y1;
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
    } else if (op == "polygon") {
        c.Polygon(PointsOf(args));
    } else if (op == "polyline") {
        c.Polyline(PointsOf(args));
    } else {
        Integer l, t, r, b;
        std::string e, f;
        args >> l >> t >> r >> b >> e >> f;
        if (op == "rectangle") {
            c.Rectangle(l, t, r, b);
        } else if (op == "ellipse") {
            c.Ellipse(l, t, r, b);
        } else if (op == "roundrect") {
            c.RoundRect(l, t, r, b, std::stoi(e), std::stoi(f));
        } else if (op == "frame") {
            TRect rect{l, t, r, b};
            DrawFrameControl(c, rect, std::stoul(e, nullptr, 0), std::stoul(f, nullptr, 0));
        } else {
            ADD_FAILURE() << "unknown command " << command;
        }
    }
}

void PrintTo(const GdiCase& c, std::ostream* os) { *os << c.name; }

class GdiPicture : public testing::TestWithParam<GdiCase> {};

TEST_P(GdiPicture, CanvasDrawsThePlatformsPixels)
{
    const GdiCase& gdi = GetParam();
    TBitmap bmp(gdi.width, gdi.height);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect(Rect(0, 0, gdi.width, gdi.height));
    c.Pen()->SetColor(clBlack);
    for (const std::string& command : gdi.commands) Replay(c, command);
    ASSERT_EQ(gdi.expected.size(), size_t(gdi.height));
    // Compared by colour, since two system colours may be one; shown by letter.
    std::vector<std::string> actual;
    bool same = true;
    for (Integer y = 0; y < gdi.height; ++y) {
        std::string row;
        for (Integer x = 0; x < gdi.width; ++x) {
            char want = gdi.expected[size_t(y)][size_t(x)];
            TColor got = bmp.PixelColor(x, y);
            auto it = Legend().find(want);
            if (it != Legend().end() && ColorToRGB(it->second) == got) {
                row += want;
                continue;
            }
            same = false;
            char shown = '?';
            for (const auto& [letter, colour] : Legend())
                if (ColorToRGB(colour) == got) {
                    shown = letter;
                    break;
                }
            row += shown;
        }
        actual.push_back(row);
    }
    EXPECT_TRUE(same) << [&] {
        std::string s = "expected | drawn\n";
        for (size_t y = 0; y < actual.size(); ++y) s += gdi.expected[y] + " | " + actual[y] + "\n";
        return s;
    }();
}

INSTANTIATE_TEST_SUITE_P(Gdi, GdiPicture, testing::ValuesIn(PictureCases()),
                         [](const testing::TestParamInfo<GdiCase>& info) { return info.param.name; });

void SelectFont(TCanvas& c, std::string family, Integer height, bool bold)
{
    for (char& ch : family)
        if (ch == '_') ch = ' ';
    c.Font()->SetName(Utf8ToString(family));
    c.Font()->SetHeight(height);
    c.Font()->SetStyle(bold ? fsBold : 0);
}

std::string Unescape(std::string quoted)
{
    quoted = quoted.substr(quoted.find('"') + 1);
    quoted = quoted.substr(0, quoted.rfind('"'));
    std::string out;
    for (size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 1 < quoted.size() && (quoted[i + 1] == 'r' || quoted[i + 1] == 'n')) {
            out += quoted[++i] == 'r' ? '\r' : '\n';
            continue;
        }
        out += quoted[i];
    }
    return out;
}

// Ascent and descent are the font's design values scaled to the size and rounded to the nearest
// pixel each, for character heights (negative) and cell heights (positive) alike.
TEST(GdiText, MetricsRoundAscentAndDescentAsThePlatform)
{
    const GdiCase* gdi = MeasuringCase("metrics");
    ASSERT_NE(gdi, nullptr);
    ASSERT_FALSE(gdi->commands.empty());
    for (const std::string& line : gdi->commands) {
        std::istringstream args(line);
        std::string op, family, arrow;
        Integer height = 0, bold = 0;
        args >> op >> family >> height >> bold >> arrow;
        Integer ascent = 0, descent = 0;
        args >> ascent >> descent;
        TCanvas c;
        SelectFont(c, family, height, bold);
        TTextMetric tm = c.GetTextMetrics();
        EXPECT_EQ(tm.tmAscent, ascent) << line;
        EXPECT_EQ(tm.tmDescent, descent) << line;
        EXPECT_EQ(tm.tmHeight, ascent + descent) << line;
        EXPECT_EQ(c.TextHeight(u"Ag"), ascent + descent) << line;
    }
}

// Lines of DrawText's size calculation: a final line break starts no line, an empty text has
// none (yet the height returned is a line's), a single line is always one.
TEST(GdiText, CalcRectCountsLinesAsThePlatform)
{
    const GdiCase* gdi = MeasuringCase("calcrect");
    ASSERT_NE(gdi, nullptr);
    ASSERT_FALSE(gdi->commands.empty());
    for (const std::string& line : gdi->commands) {
        std::istringstream args(line.substr(0, line.find('"')));
        std::string op, family, flags;
        Integer height = 0;
        args >> op >> family >> height >> flags;
        std::istringstream result(line.substr(line.rfind("=>") + 2));
        Integer rectLines = 0, returnedLines = 0;
        result >> rectLines >> returnedLines;
        TCanvas c;
        SelectFont(c, family, height, false);
        Integer lineHeight = c.GetTextMetrics().tmHeight;
        TRect r = Rect(0, 0, 200, 0);
        Integer h = c.DrawText(Utf8ToString(Unescape(line.substr(0, line.rfind("=>")))), r,
                               Cardinal(std::stoul(flags, nullptr, 0)) | DT_CALCRECT);
        EXPECT_EQ(r.Height(), rectLines * lineHeight) << line;
        EXPECT_EQ(h, returnedLines * lineHeight) << line;
    }
}

}  // namespace
}  // namespace gw

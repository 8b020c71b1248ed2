// Internal to the mark-up renderer: the state of one call and of the passes over its lines.
#pragma once

#include "grid/foundation/markup_language.h"
#include "grid/foundation/markup_renderer.h"
#include "grid/foundation/markup_text.h"

#include <memory>

namespace gw {

class TFont;
class THTMLPicture;

namespace detail {

// The font a pass draws with.
struct TMarkupFont {
    String Name;
    Integer Height = 0;
    TFontStyles Style = 0;
    TColor Color = clBlack;
    Integer Orientation = 0;
};

// A line is laid out by a layout pass, which decides what the line holds; the same stretch of
// text is then replayed, either drawn or, for hit tests, measured at the line's final place.
enum class TPassKind { Layout, HitTest, Draw };

// What carries from line to line within one kind of pass.
struct TPassState {
    TMarkupFont Font;
    Integer AnchorCount = 0;
    Integer ListLevel = 0;
    Integer PictureCount = 0;
    bool InAnchor = false;
    String AnchorValue;
    String AnchorTitle;
    Integer AnchorStart = 0;  // used width where the current anchor began
    Integer AnchorLine = -1;  // the line it began on
    bool AnchorPending = false;  // the mouse is over its text: HoverRect is taken at "</A>"
    bool Hidden = false;
    bool Shadow = false;
    bool ErrorMarking = false;
    bool Subscript = false;
    bool Superscript = false;
    bool Rotated = false;
    Integer RotationBefore = 0;
    // 0 left, 1 right, 2 centre; both hold for the following lines until changed.
    Integer Alignment = 0;
    Integer Indent = 0;
    // Drawing only: the text background (clNone: transparent) and the colours saved by tags.
    TColor Brush = clNone;
    TColor BrushBeforeFont = clNone;
    TColor BrushBeforeParagraph = clNone;
    bool ParagraphBackground = false;
    TColor BrushBeforeHighlight = clNone;
    TColor FontBeforeHighlight = clNone;
    TColor BrushBeforeHover = clNone;
    TColor FontBeforeHover = clNone;
    bool FocusOpen = false;
    TRect FocusRect;
};

// One line's measures, found by its layout pass and used by its replay.
struct TLineMetrics {
    Integer Height = 0;
    Integer SubDepth = 0;  // below the baseline, for subscripts
    Integer SupHeight = 0;  // above the text, for superscripts
    Integer Raise = 0;  // by which IMG ALIGN raises the line's text
    Integer GhHeight = 0;  // the height of "gh" in the font the line began with
    Integer Band() const { return Height + SubDepth + SupHeight; }
};

// One pass over one line.
struct TPass {
    TPassKind Kind = TPassKind::Layout;
    TRect Rect{};  // the line's rectangle
    TPassState* State = nullptr;
    TLineMetrics* Line = nullptr;
    Integer LineIndex = 0;
    Integer Used = 0;  // width used from the line's left edge
    Integer TrailingBlank = 0;
    bool EndsInBlank = false;  // the last text run placed on the line ends in a blank
    bool LineEnd = false;
    bool Overflow = false;  // an element did not fit: it starts the next line
    bool BulletPlaced = false;
    bool AnchorHit = false;
    bool ElementHit = false;

    bool Measuring() const { return Kind != TPassKind::Draw; }
    bool Drawing() const { return Kind == TPassKind::Draw; }
    Integer X() const { return Rect.Left + Used; }  // the drawing position, left to right
};

// The picture an IMG or BODY source names, found in the call's container or cache (loaded into
// the cache when missing); nullptr when there is none.
THTMLPicture* FindMarkupPicture(const TMarkupDrawArgs& Args, StringView Source);

// The text before layout: the nine entities everywhere, "<#...>" as text, line breaks as BR,
// and nothing from a "<" that no ">" follows. Storage holds the text when it had to change.
StringView PrepareMarkupText(StringView Text, String& Storage);

class TMarkupRenderer {
public:
    TMarkupRenderer(const TMarkupDrawArgs& Args, TMarkupDrawResult& Result);
    ~TMarkupRenderer();
    TMarkupRenderer(const TMarkupRenderer&) = delete;
    TMarkupRenderer& operator=(const TMarkupRenderer&) = delete;

    void Run();

private:
    // Lines and passes (markup_renderer.cpp).
    void LayOutLine(TPassState& Measure, TPassState& Draw, TRect& LineRect, Integer LineIndex);
    TRect PositionedLine(const TRect& LineRect, const TPassState& State, Integer Used) const;
    void Pass(TPass& P, size_t& Pos, size_t End);
    size_t RunEnd(size_t Pos, size_t End) const;
    bool TextRun(TPass& P, size_t& Pos, size_t End);
    void TestAnchorHit(TPass& P, Integer Start);
    void CommitLineAnchor();
    void DrawRun(TPass& P, StringView Run, Integer Width);
    void DrawErrorMarks(const TPass& P, Integer Left, Integer Right);
    void EndPass(TPass& P);
    void Tag(TPass& P, size_t& Pos);

    // Tags (markup_renderer_tags.cpp): one handler per kind of tag.
    void ActOnTag(TPass& P, StringView Tag);
    void OnAnchor(TPass& P, StringView Tag);
    void OnAnchorOff(TPass& P);
    void OnBody(TPass& P, StringView Upper);
    void OnFont(TPass& P, StringView Upper);
    void OnFontOff(TPass& P);
    void OnIndent(TPass& P, StringView Upper);
    void OnListItem(TPass& P);
    void OnParagraph(TPass& P, StringView Upper);
    void OnParagraphOff(TPass& P);
    void OnRule(TPass& P);
    void OnHighlight(TPass& P, bool On);
    void OnRotate(TPass& P, StringView Upper, bool On);

    // Pictures and controls (markup_renderer_elements.cpp).
    void OnImage(TPass& P, StringView Upper);
    void OnControl(TPass& P, StringView Tag);
    void DrawControl(TPass& P, const TControlTag& Control, Integer Left, Integer Width, Integer& ElementHeight);
    void TileBackground(StringView Source);
    bool ElementFits(TPass& P, Integer Width);
    void AdvanceElement(TPass& P, Integer Width, Integer Height);
    bool MouseOverElement(const TPass& P, Integer Width, Integer Height) const;

    // Right to left (BiDiMode 1) a line is laid out from its right edge: the line's offsets
    // (used width, element widths) are counted from there and every place is the mirror image of
    // its left-to-right place inside the line.
    bool RightToLeft() const { return m_args.BiDiMode == 1; }
    // The left edge of what spans the offsets From to From + Width of the line.
    Integer PlaceLeft(const TPass& P, Integer From, Integer Width) const;
    // The x of the edge the line is laid out from, and of the drawing position.
    Integer EdgeX(const TPass& P) const;
    Integer DrawingX(const TPass& P) const;
    // The focused anchor's frame on this line, from where it began to the drawing position, down
    // to the line's bottom, widened by Widen on both sides.
    TRect FocusPart(const TPass& P, Integer Widen) const;
    // The mouse as an offset along the line from the edge it is laid out from.
    Integer MouseOffset(const TPass& P) const;

    // Canvas state.
    void ApplyFont(const TMarkupFont& Font, bool WithColour = true);
    void ApplyBrush(TColor Color);
    Integer TextHeight(StringView Text);
    Integer RunHeight(StringView Run);
    Integer RunWidth(StringView Run);
    Integer PixelsX(Integer Value) const;
    Integer PixelsY(Integer Value) const;

    const TMarkupDrawArgs& m_args;
    TMarkupDrawResult& m_result;
    TCanvas& m_canvas;
    StringView m_text;
    String m_preparedText;  // the text when preparing it changed it
    TMarkupFont m_base;  // the canvas font on entry
    TColor m_background = clWhite;  // the brush colour on entry
    Cardinal m_format = 0;  // of every text run
    bool m_dropRest = false;  // a layout pass without word wrap ended the text
    // The anchor under the mouse as the passes of the current line found it.
    struct TLineAnchor {
        bool Found = false;
        String Value;
        String Title;
        bool Closed = false;  // its "</A>" came on this line
        TRect HoverRect;
        Integer Number = -1;
    } m_lineAnchor;
    // Restored when the call ends.
    TColor m_savedPenColor = clBlack;
    Integer m_savedPenWidth = 1;
    TColor m_savedBrushColor = clWhite;
    TBrushStyle m_savedBrushStyle = bsSolid;
};

}  // namespace detail
}  // namespace gw

// The string grid's cell stream written for a rectangle of cells: texts, cell properties and
// cell graphics with the pictures and lists behind them (the clipboard's and drag-and-drop's
// cell format).
#include "grid/exchange/cell_stream.h"
#include "grid/foundation/file_picture.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_formats.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/control.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace gw {

namespace {

std::string Utf8(StringView Text) { return StringToUtf8(Text); }

std::string CountedBytes(std::string_view Bytes)
{
    std::string out;
    const auto n = static_cast<uint32_t>(Bytes.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
    out.append(Bytes);
    return out;
}

String JoinSizes(Integer From, Integer To, const std::function<Integer(Integer)>& Size)
{
    String joined;
    for (Integer i = From; i <= To; ++i) joined += (i > From ? u"," : u"") + IntToStr(Size(i));
    return joined;
}

// The kinds whose object may belong to the application: their graphic is carried only when the
// grid made the object, so that a copy never takes what the application owns.
bool CarriedOnlyWhenCreated(TCellType Type)
{
    switch (Type) {
    case ctBitmap:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton: return true;
    default: return false;
    }
}

// A control is named by its owner's name, a point and its own name.
std::string ControlReference(const TControl& Control)
{
    const TComponent* owner = Control.Owner();
    return (owner ? Utf8(owner->Name()) : std::string()) + "." + Utf8(Control.Name());
}

void WriteProperties(TRecordWriter& W, const TCellProperties& P, bool HasGraphic)
{
    W.Begin("TGridCellPropIO");
    W.WriteBoolean("CellProperties.IsBaseCell", P.IsBaseCell);
    W.WriteInteger("CellProperties.CellSpanX", P.CellSpanX);
    W.WriteInteger("CellProperties.CellSpanY", P.CellSpanY);
    W.WriteIdent("CellProperties.Alignment", AlignmentName(P.Alignment));
    W.WriteColour("CellProperties.BorderColor", P.BorderColor);
    W.WriteInteger("CellProperties.BorderWidth", P.BorderWidth);
    W.WriteColour("CellProperties.BrushColor", P.BrushColor());
    W.WriteColour("CellProperties.BrushColorTo", P.BrushColorTo());
    W.WriteIdent("CellProperties.BrushStyle", BrushStyleName(P.BrushStyle));
    // An object reference means something only inside this process: its address is never
    // written out (to the clipboard or another program), the place keeps 0.
    W.WriteInteger("CellProperties.CellObject", 0);
    W.WriteColour("CellProperties.FontColor", P.FontColor);
    if (!P.FontName.empty()) W.WriteString("CellProperties.FontName", P.FontName);
    W.WriteInteger("CellProperties.FontSize", P.FontSize);
    W.WriteSet("CellProperties.FontStyle", FontStyleNames(P.FontStyle));
    W.WriteIdent("CellProperties.Editor", EditorTypeName(P.Editor));
    W.WriteIdent("CellProperties.GradientDirection", GradientDirectionName(P.GradientDirection));
    W.WriteBoolean("CellProperties.ReadOnly", P.ReadOnly);
    W.WriteIdent("CellProperties.VAlignment", VAlignmentName(P.VAlignment()));
    W.WriteBoolean("CellProperties.WordWrap", P.WordWrap());
    W.WriteInteger("CellProperties.NodeLevel", P.NodeLevel);
    if (P.Control != nullptr && !P.Control->Name().empty())
        W.WriteIdent("CellProperties.Control", ControlReference(*P.Control));
    W.WriteBoolean("HasGraphic", HasGraphic);
    W.End();
}

// The graphic's numeric value has no field of its own here (the record keeps values in
// CellAngle), so CellValue, written only when set, is never written.
void WriteGraphic(TRecordWriter& W, const TCellGraphic& G)
{
    W.Begin("TGridGraphicIO");
    W.WriteIdent("CellGraphic.CellType", CellTypeName(G.CellType));
    W.WriteIdent("CellGraphic.CellVAlign", CellVAlignName(G.CellVAlign));
    W.WriteIdent("CellGraphic.CellHAlign", CellHAlignName(G.CellHAlign));
    W.WriteInteger("CellGraphic.CellIndex", G.CellIndex);
    W.WriteBoolean("CellGraphic.CellTransparent", G.CellTransparent);
    W.WriteBoolean("CellGraphic.CellCreated", G.CellCreated);
    W.WriteBoolean("CellGraphic.CellBoolean", G.CellBoolean);
    W.WriteIdent("CellGraphic.CellCheckBoxState", CheckBoxStateName(G.CellCheckBoxState));
    W.WriteInteger("CellGraphic.CellAngle", G.CellAngle);
    W.WriteInteger("CellGraphic.CellErrFrom", G.CellErrFrom);
    W.WriteInteger("CellGraphic.CellErrLen", G.CellErrLen);
    if (!G.CellText.empty()) W.WriteString("CellGraphic.CellText", G.CellText);
    W.End();
}

void WriteStringsPayload(TRecordWriter& W, const std::vector<String>& Items)
{
    if (!Items.empty()) W.WriteStrings("Strings.Strings", Items);
}

// One length byte and the picture kind's class name, then its data: a count and the bytes for
// bitmaps and JPEG, as the other kinds too (the count lets any reader find their end).
std::string PictureData(const TGraphic& Graphic)
{
    const std::string kind = Utf8(Graphic.ClassName());
    std::string out(1, static_cast<char>(std::min<size_t>(kind.size(), 255)));
    out.append(kind.substr(0, 255));
    out.append(CountedBytes(Graphic.SaveToBytes()));
    return out;
}

void WritePayload(TRecordWriter& W, const TCellGraphic& G)
{
    const std::string_view record = PayloadClassName(G.CellType);
    if (record.empty()) return;
    W.Begin(record);
    switch (G.CellType) {
    case ctBitmap:
    case ctBitButton:
        if (const TBitmap* b = G.Bitmap(); b != nullptr && !b->Empty())
            W.WriteBinary("Bitmap.Data", CountedBytes(b->SaveToBytes()));
        break;
    case ctIcon:
        if (const TIcon* icon = G.CellIcon(); icon != nullptr && !icon->Empty())
            W.WriteBinary("Icon.Data", icon->SaveToBytes());
        break;
    case ctRadio: {
        std::vector<String> items;
        if (const TStrings* s = G.Strings())
            for (Integer i = 0; i < s->Count(); ++i) items.push_back(s->Strings(i));
        WriteStringsPayload(W, items);
        break;
    }
    case ctImages: {
        std::vector<String> items;
        if (const TIntList* list = G.IntList())
            for (Integer i = 0; i < list->Count(); ++i) items.push_back(IntToStr(list->GetInteger(i)));
        WriteStringsPayload(W, items);
        break;
    }
    case ctPicture:
        if (const TPicture* p = G.Picture(); p != nullptr && p->Graphic() != nullptr)
            W.WriteBinary("Picture.Data", PictureData(*p->Graphic()));
        break;
    case ctFilePicture:
        if (const TFilePicture* f = G.FilePicture(); f != nullptr && !f->Filename().empty())
            W.WriteString("Picture.Filename", f->Filename());
        break;
    default: break;
    }
    W.End();
}

// The cell record, then the properties, graphic and payload records the cell has. Positions are
// kept in 16 bits; the text is the display text (a merged area's base cell's).
void WriteCellRecords(TRecordWriter& W, TExtStringGrid& G, Integer ACol, Integer ARow)
{
    W.Begin("TGridCellIO");
    W.WriteInteger("Col", ACol & 0xFFFF);
    W.WriteInteger("Row", ARow & 0xFFFF);
    if (const String text = G.GetCellEx(ACol, ARow); !text.empty()) W.WriteString("Cell", text);
    const bool hasProp = G.CellHasProperties(ACol, ARow);
    W.WriteBoolean("HasProp", hasProp);
    W.End();
    if (!hasProp) return;
    const TCellProperties* props = G.GetGridObject(ACol, ARow);
    const auto* graphic = dynamic_cast<const TCellGraphic*>(props->GraphicObject());
    const bool hasGraphic = graphic != nullptr && graphic->CellType != ctEmpty &&
                            (!CarriedOnlyWhenCreated(graphic->CellType) || graphic->CellCreated);
    WriteProperties(W, *props, hasGraphic);
    if (!hasGraphic) return;
    WriteGraphic(W, *graphic);
    WritePayload(W, *graphic);
}

}  // namespace

void TExtStringGrid::SaveRectToBinStream(const TGridRect& R, TStream* Stream)
{
    std::string bytes;
    TRecordWriter w(bytes);
    const Integer cols = R.Right - R.Left + 1, rows = R.Bottom - R.Top + 1;
    const bool fullGrid = SaveFixedCells ? rows == RowCount() && cols == ColCount()
                                         : rows == RowCount() - FixedRows() && cols == ColCount() - FixedCols();
    w.Begin("TGridPropIO");
    w.WriteInteger("ColCount", cols);
    w.WriteInteger("RowCount", rows);
    const String widths = JoinSizes(R.Left, R.Right, [this](Integer c) { return GetAllColWidths(c); });
    const String heights = JoinSizes(R.Top, R.Bottom, [this](Integer r) { return RowHeights(r); });
    if (!widths.empty()) w.WriteString("ColWidths", widths);
    if (!heights.empty()) w.WriteString("RowHeights", heights);
    w.WriteBoolean("FullGrid", fullGrid);
    w.WriteInteger("ID", static_cast<Integer>(HandleIfAllocated()));
    w.End();

    ExportNotification(esExportStart, R.Top);
    int16_t lastProgress = -1;
    for (Integer r = R.Top; r <= R.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        for (Integer c = R.Left; c <= R.Right; ++c) WriteCellRecords(w, *this, c, r);
        // The share of the rectangle's rows done (0 to 100 wherever the rectangle starts).
        const auto progress = static_cast<int16_t>(std::lround(100.0 * (r - R.Top) / std::max(1, R.Bottom - R.Top)));
        if (OnFileProgress && progress != lastProgress) OnFileProgress(this, progress);
        lastProgress = progress;
    }
    ExportNotification(esExportDone, -1);
    Stream->WriteBuffer(bytes);
}

}  // namespace gw

// Fuzz target: the saved sort text of the grid's sort settings, read with LoadFromString on a
// grid that records the sorts it is asked for. The input is the text.
#include "fuzz/fuzz_support.h"

#include "grid/model/sort_settings.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;

// A grid that counts the sorts and repaints it is asked for.
class TCountingGrid : public TSettingsGrid {
public:
    TSortIndexList Indexes;
    int Sorts = 0;
    int IndexedSorts = 0;

    void Invalidate() override {}
    void Repaint() override {}
    void RepaintCell(Integer, Integer) override {}
    void RepaintRow(Integer) override {}
    Integer FixedRows() const override { return 1; }
    bool HasParentWindow() const override { return false; }
    void StretchColumnToClient(Integer) override {}
    TSortIndexList& SortIndexes() override { return Indexes; }
    void QSort() override { ++Sorts; }
    void QSortIndexed() override { ++IndexedSorts; }
    bool RegisterDropTarget() override { return false; }
    void RevokeDropTarget() override {}
    void SetOleRtfAcceptFlag(bool) override {}
    void SetZEQGradientFrom(TColor) override {}
    void SetZEQGradientTo(TColor) override {}
    void SetZEQGradientMirrorFrom(TColor) override {}
    void SetZEQGradientMirrorTo(TColor) override {}
    void SetZEQGradientHoverFrom(TColor) override {}
    void SetZEQGradientHoverTo(TColor) override {}
    void SetZEQGradientHoverMirrorFrom(TColor) override {}
    void SetZEQGradientHoverMirrorTo(TColor) override {}
    void SetZEQGradientHoverBorder(TColor) override {}
    void SetZEQGradientDownFrom(TColor) override {}
    void SetZEQGradientDownTo(TColor) override {}
    void SetZEQGradientDownMirrorFrom(TColor) override {}
    void SetZEQGradientDownMirrorTo(TColor) override {}
    void SetZEQGradientDownBorder(TColor) override {}
};

// Loads Text; false when it raised the one error the reader documents.
bool Load(TSortSettings& Settings, const String& Text)
{
    try {
        Settings.LoadFromString(Text);
        return true;
    } catch (const Exception& e) {
        if (Text.size() != 1 || e.Message() != u"Invalid sort settings specifier") throw;
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const String text = gw::fuzz::FuzzText(gw::fuzz::Bytes(data, size));
    TCountingGrid grid;
    TSortSettings settings(&grid);
    const bool loaded = Load(settings, text);
    if (text.empty()) {
        if (settings.Show() || grid.Sorts || grid.IndexedSorts) Fail("an empty text changed something");
        return 0;
    }
    if (!settings.Show()) Fail("a sort text left the sort indicator off");
    if (!loaded) return 0;
    if (grid.Sorts + grid.IndexedSorts > 1) Fail("one text sorted more than once");
    if (grid.IndexedSorts && !settings.IndexShow) Fail("an indexed sort without the indexed sort switched on");
    if (grid.Sorts &&
        settings.SaveToString() != (settings.Direction == sdAscending ? u"u" : u"d") + IntToStr(settings.Column))
        Fail("the sorted column does not save as it was read");

    // What was read saves as a text that reads back as the same settings.
    const String saved = settings.SaveToString();
    TCountingGrid other;
    TSortSettings again(&other);
    if (!Load(again, saved)) Fail("the saved text does not read back");
    if (again.SaveToString() != saved) Fail("the saved sort text is not stable");
    if (again.IndexShow != settings.IndexShow || again.Direction != settings.Direction)
        Fail("the saved text reads back as other settings");
    return 0;
}

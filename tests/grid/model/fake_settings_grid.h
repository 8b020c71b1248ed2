// A stand-in for the string grid that records, in order, what its settings objects ask of it.
#pragma once

#include "grid/model/settings_grid.h"
#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"
#include "platform/runtime/convert.h"

#include <functional>
#include <string>
#include <vector>

namespace gw::test {

class TFakeSettingsGrid : public TComponent, public TSettingsGrid {
public:
    TFakeSettingsGrid() : TComponent(nullptr) {}

    // What the settings asked, one line per call ("Invalidate", "RepaintRow 0", "QSort",
    // "ZEQGradientFrom=$00FCE1CB").
    std::vector<std::string> Log;
    Integer Fixed = 1;
    bool Parent = true;
    bool RegisterSucceeds = true;
    TSortIndexList Indexes;
    // Run inside StretchColumnToClient and SetOleRtfAcceptFlag, to look at the settings then.
    std::function<void(Integer)> OnStretch;
    std::function<void(bool)> OnRtfFlag;

    void Invalidate() override { Log.push_back("Invalidate"); }
    void Repaint() override { Log.push_back("Repaint"); }
    void RepaintCell(Integer ACol, Integer ARow) override { Add("RepaintCell", ACol, ARow); }
    void RepaintRow(Integer ARow) override { Add("RepaintRow", ARow); }
    Integer FixedRows() const override { return Fixed; }
    bool HasParentWindow() const override { return Parent; }
    void StretchColumnToClient(Integer ACol) override
    {
        Add("Stretch", ACol);
        if (OnStretch) OnStretch(ACol);
    }
    TSortIndexList& SortIndexes() override { return Indexes; }
    void QSort() override { Log.push_back("QSort"); }
    void QSortIndexed() override { Log.push_back("QSortIndexed"); }
    bool RegisterDropTarget() override
    {
        Log.push_back("RegisterDropTarget");
        return RegisterSucceeds;
    }
    void RevokeDropTarget() override { Log.push_back("RevokeDropTarget"); }
    void SetOleRtfAcceptFlag(bool Value) override
    {
        Add("OleRtfAccept", Value);
        if (OnRtfFlag) OnRtfFlag(Value);
    }
    void SetZEQGradientFrom(TColor Value) override { Gradient("ZEQGradientFrom", Value); }
    void SetZEQGradientTo(TColor Value) override { Gradient("ZEQGradientTo", Value); }
    void SetZEQGradientMirrorFrom(TColor Value) override { Gradient("ZEQGradientMirrorFrom", Value); }
    void SetZEQGradientMirrorTo(TColor Value) override { Gradient("ZEQGradientMirrorTo", Value); }
    void SetZEQGradientHoverFrom(TColor Value) override { Gradient("ZEQGradientHoverFrom", Value); }
    void SetZEQGradientHoverTo(TColor Value) override { Gradient("ZEQGradientHoverTo", Value); }
    void SetZEQGradientHoverMirrorFrom(TColor Value) override { Gradient("ZEQGradientHoverMirrorFrom", Value); }
    void SetZEQGradientHoverMirrorTo(TColor Value) override { Gradient("ZEQGradientHoverMirrorTo", Value); }
    void SetZEQGradientHoverBorder(TColor Value) override { Gradient("ZEQGradientHoverBorder", Value); }
    void SetZEQGradientDownFrom(TColor Value) override { Gradient("ZEQGradientDownFrom", Value); }
    void SetZEQGradientDownTo(TColor Value) override { Gradient("ZEQGradientDownTo", Value); }
    void SetZEQGradientDownMirrorFrom(TColor Value) override { Gradient("ZEQGradientDownMirrorFrom", Value); }
    void SetZEQGradientDownMirrorTo(TColor Value) override { Gradient("ZEQGradientDownMirrorTo", Value); }
    void SetZEQGradientDownBorder(TColor Value) override { Gradient("ZEQGradientDownBorder", Value); }

    // "Name=$00BBGGRR", as the log writes a colour.
    static std::string ColourLine(const std::string& Name, TColor Value) { return Name + "=" + Hex(Value); }

private:
    static std::string Hex(TColor Value)
    {
        const String h = IntToHex(Value, 8);
        return "$" + std::string(h.begin(), h.end());
    }
    void Add(const std::string& What, Integer A) { Log.push_back(What + " " + std::to_string(A)); }
    void Add(const std::string& What, Integer A, Integer B)
    {
        Log.push_back(What + " " + std::to_string(A) + "," + std::to_string(B));
    }
    void Gradient(const std::string& Name, TColor Value) { Log.push_back(ColourLine(Name, Value)); }
};

}  // namespace gw::test

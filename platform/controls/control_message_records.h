// Typed views of the parameters of the controls' own messages (EM_*, CB_*, LB_*, TTM_*), as
// platform/ui/message_records.h has them for the window messages: handlers say Index.Value or
// Range.Start instead of unpacking WParam and LParam themselves.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/geometry.h"
#include "platform/ui/message_records.h"

namespace gw {

// A signed number in WParam: an index, a line, a count or a size; -1 names "none" or "the
// current one" where the message says so (EM_LINEINDEX, CB_SETCURSEL, LB_SETTOPINDEX...).
struct TWMIndex {
    explicit TWMIndex(const TMessage& M) : Value(Integer(int32_t(M.WParam))) {}
    Integer Value;
};

// A switch in WParam (EM_SETMODIFY, EM_SETREADONLY, CB_SHOWDROPDOWN, TTM_ACTIVATE...).
struct TWMFlag {
    explicit TWMFlag(const TMessage& M) : Value(M.WParam != 0) {}
    bool Value;
};

// A number in LParam (CB_SETITEMHEIGHT's height, EM_SETEVENTMASK's mask...).
struct TWMLParamValue {
    explicit TWMLParamValue(const TMessage& M) : Value(M.LParam) {}
    LPARAM Value;
    Integer AsInteger() const { return Integer(Value); }
};

// A colour in WParam, as an RGB value (TTM_SETTIPBKCOLOR, TTM_SETTIPTEXTCOLOR).
struct TWMColor {
    explicit TWMColor(const TMessage& M) : Colour(TColor(M.WParam & 0xFFFFFF)) {}
    TColor Colour;
};

// A client point in LParam (EM_CHARFROMPOS, LB_ITEMFROMPOINT, TTM_TRACKPOSITION).
struct TWMPoint {
    explicit TWMPoint(const TMessage& M) : Pos(LParamToPoint(M.LParam)) {}
    TPoint Pos;
};

// EM_SETSEL: the first and the end position (-1 as the end: to the end of the text).
struct TWMSetSel {
    explicit TWMSetSel(const TMessage& M) : Start(Integer(int32_t(M.WParam))), End(Integer(int32_t(M.LParam))) {}
    Integer Start;
    Integer End;
};

// CB_SETEDITSEL: the first and the end position, packed as two signed words in LParam.
struct TWMPackedSel {
    explicit TWMPackedSel(const TMessage& M)
        : Start(int16_t(M.LParam & 0xFFFF)), End(int16_t((M.LParam >> 16) & 0xFFFF))
    {
    }
    Integer Start;
    Integer End;
};

// EM_GETSEL: where the caller wants the first and the end position (either may be nullptr).
struct TWMGetSel {
    explicit TWMGetSel(const TMessage& M)
        : Start(reinterpret_cast<Cardinal*>(M.WParam)), End(reinterpret_cast<Cardinal*>(M.LParam))
    {
    }
    Cardinal* Start;
    Cardinal* End;
};

// A record the caller passes by address in LParam (EM_GETRECT's rectangle, EM_EXSETSEL's range,
// TTM_ADDTOOLW's tool...): read or filled by the handler; nullptr when the caller gave none.
template <class T>
struct TWMRecord {
    explicit TWMRecord(const TMessage& M) : Data(reinterpret_cast<T*>(M.LParam)) {}
    T* Data;
};

}  // namespace gw

// The GTK back end's mouse pointer: stock shapes by their CSS names, cursor resources decoded
// from their .cur data with the hot spot the file gives.
#include "platform/backends/gtk/gtk_cursors.h"

#include "platform/backends/gtk/gtk_backend.h"
#include "platform/backends/gtk/gtk_native_window.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_formats.h"
#include "platform/runtime/resources.h"
#include "platform/ui/application.h"
#include "platform/ui/cursors.h"

#include <gtk/gtk.h>

#include <map>

namespace gw {

const char* StockCursorName(Integer Cursor)
{
    switch (Cursor) {
    case crNone: return "none";
    case crCross: return "crosshair";
    case crIBeam: return "text";
    case crSizeNESW: return "nesw-resize";
    case crSizeNS: return "ns-resize";
    case crSizeNWSE: return "nwse-resize";
    case crSizeWE: return "ew-resize";
    case crSizeAll: return "move";
    case crUpArrow: return "n-resize";
    case crHourGlass:
    case crSQLWait: return "wait";
    case crDrag: return "alias";
    case crMultiDrag: return "copy";
    case crNoDrop:
    case crNo: return "not-allowed";
    case crHSplit: return "col-resize";
    case crVSplit: return "row-resize";
    case crAppStart: return "progress";
    case crHelp: return "help";
    case crHandPoint: return "pointer";
    default: return nullptr;
    }
}

namespace {

uint16_t Word16(std::string_view D, std::size_t At)
{
    return At + 2 <= D.size() ? uint16_t(Byte(D[At]) | (Byte(D[At + 1]) << 8)) : 0;
}

GdkCursor* MakeCursor(GdkDisplay* Display, Integer Cursor)
{
    if (Cursor > 0) {
        if (const TResource* res = CursorResource(Cursor)) {
            TCursorPicture p = DecodeCursorPicture(res->Data);
            // A damaged resource shows the arrow.
            return p.Surface ? gdk_cursor_new_from_surface(Display, p.Surface.get(), p.HotX, p.HotY) : nullptr;
        }
    }
    const char* name = StockCursorName(Cursor);
    return name ? gdk_cursor_new_from_name(Display, name) : nullptr;
}

}  // namespace

TCursorPicture DecodeCursorPicture(std::string_view Data)
{
    TCursorPicture p;
    TIcon icon;
    try {
        icon.LoadFromBytes(Data);
    } catch (const Exception&) {
        return p;
    }
    cairo_surface_t* s = icon.Image().Surface();
    if (!s) return p;
    // The picture is copied: the icon goes, the cursor may live on.
    Integer w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(copy);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    p.Surface.reset(copy, cairo_surface_destroy);
    p.HotX = Word16(Data, 6 + 4);
    p.HotY = Word16(Data, 6 + 6);
    return p;
}

void TGtkBackend::SetCursorShape(Integer Cursor)
{
    if (Cursor == m_cursor) return;
    m_cursor = Cursor;
    for (auto& [wnd, n] : m_windows) ApplyCursor(*n);
}

void TGtkBackend::ApplyCursor(TNative& N)
{
    GdkWindow* w = N.Area ? gtk_widget_get_window(N.Area) : nullptr;
    if (!w) return;
    auto it = m_cursors.find(m_cursor);
    if (it == m_cursors.end()) it = m_cursors.emplace(m_cursor, MakeCursor(gdk_window_get_display(w), m_cursor)).first;
    // nullptr: the window's default, the arrow.
    gdk_window_set_cursor(w, it->second);
}

void TGtkBackend::FreeCursors()
{
    for (auto& [id, c] : m_cursors)
        if (c) g_object_unref(c);
    m_cursors.clear();
}

}  // namespace gw

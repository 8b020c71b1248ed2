// What the GTK back end keeps of one top-level window: the GTK window, its drawing area and the
// pixels the window system paints.
#pragma once

#include "platform/backends/gtk/gtk_backend.h"

#include <gtk/gtk.h>

#include "platform/graphics/region.h"

#include <memory>
#include <optional>

namespace gw {

struct TGtkSurfaceDeleter {
    void operator()(cairo_surface_t* S) const { cairo_surface_destroy(S); }
};
using TSurfacePtr = std::unique_ptr<cairo_surface_t, TGtkSurfaceDeleter>;

struct TGtkBackend::TNative {
    TGtkBackend* Self = nullptr;
    HWND Wnd = 0;
    TNativeKind Kind = TNativeKind::Normal;
    HWND Owner = 0;
    TRect Bounds;
    String Caption;
    bool Visible = false;
    TSurfacePtr Surface;
    GtkWidget* Window = nullptr;  // made when first shown
    GtkWidget* Area = nullptr;
    // An active drop-down holds the pointer, so that a press outside every window of ours is seen.
    bool PointerGrabbed = false;
    // What the window system gave: where the window shows and takes the mouse (window
    // coordinates; none: everywhere), and how a layered window shows.
    std::optional<TRegion> Shape;
    std::optional<TWindowLayer> Layer;
    // The GTK window has the screen's RGBA visual: the display blends its pixels by their alpha.
    bool RgbaVisual = false;
    // A layered window's pixels as shown (ARGB32 premultiplied; RGB24 when the display does not
    // composite), made when first drawn after a change.
    TSurfaceRef Shown;
};

}  // namespace gw

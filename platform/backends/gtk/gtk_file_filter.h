// The file chooser's filter for one entry of a dialog's filter, matching names as the system's
// dialogs do: without case.
#pragma once

#include "platform/ui/file_dialogs.h"

#include <gtk/gtk.h>

namespace gw {

// A new filter (floating, as gtk_file_filter_new gives it) named after the entry, showing the
// files whose display names one of its patterns matches without case ("*.eds" shows
// "DEVICE.EDS"); the toolkit's own patterns would match with case.
GtkFileFilter* NewFileChooserFilter(const TFileFilterEntry& Entry);

}  // namespace gw

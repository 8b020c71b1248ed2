// The file chooser's filters: the platform's rule for matching names, not the toolkit's.
#include "platform/backends/gtk/gtk_file_filter.h"

#include "platform/runtime/unicode.h"

namespace gw {

namespace {

gboolean Shows(const GtkFileFilterInfo* Info, gpointer Data)
{
    if (!Info->display_name) return FALSE;
    return FilterEntryShows(*static_cast<const TFileFilterEntry*>(Data), Utf8ToString(Info->display_name)) ? TRUE
                                                                                                           : FALSE;
}

void Forget(gpointer Data) { delete static_cast<TFileFilterEntry*>(Data); }

}  // namespace

GtkFileFilter* NewFileChooserFilter(const TFileFilterEntry& Entry)
{
    GtkFileFilter* f = gtk_file_filter_new();
    gtk_file_filter_set_name(f, StringToUtf8(Entry.Description).c_str());
    gtk_file_filter_add_custom(f, GTK_FILE_FILTER_DISPLAY_NAME, Shows, new TFileFilterEntry(Entry), Forget);
    return f;
}

}  // namespace gw

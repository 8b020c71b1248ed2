// The file chooser's filters: built from a dialog's filter entry, they show names without case.
#include "platform/backends/gtk/gtk_file_filter.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

namespace gw::test {
namespace {

bool ChooserShows(GtkFileFilter* F, const char* DisplayName)
{
    GtkFileFilterInfo info{};
    info.contains = GTK_FILE_FILTER_DISPLAY_NAME;
    info.display_name = DisplayName;
    return gtk_file_filter_filter(F, &info);
}

TEST(GtkFileFilter, TheChoosersFilterShowsNamesWithoutCase)
{
    const std::vector<TFileFilterEntry> entries = ParseFileFilter(u"EDS files (*.eds)|*.eds;*.xml|All|*.*");
    ASSERT_EQ(entries.size(), 2u);
    GtkFileFilter* eds = g_object_ref_sink(NewFileChooserFilter(entries[0]));
    GtkFileFilter* all = g_object_ref_sink(NewFileChooserFilter(entries[1]));
    EXPECT_STREQ(gtk_file_filter_get_name(eds), "EDS files (*.eds)");
    EXPECT_EQ(gtk_file_filter_get_needed(eds), GTK_FILE_FILTER_DISPLAY_NAME) << "it asks for the name only";
    const struct {
        GtkFileFilter* Filter;
        const char* Name;
        bool Shown;
    } cases[] = {
        {eds, "DEVICE.EDS", true},   {eds, "device.eds", true}, {eds, "Plenator.XML", true}, {eds, "notes.txt", false},
        {eds, "device.eds~", false}, {all, "README", true},     {all, "Ünïcode.Eds", true},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooserShows(c.Filter, c.Name), c.Shown) << c.Name;
    // The toolkit's own pattern, for contrast: it matches with case.
    GtkFileFilter* plain = g_object_ref_sink(gtk_file_filter_new());
    gtk_file_filter_add_pattern(plain, "*.eds");
    EXPECT_FALSE(ChooserShows(plain, "DEVICE.EDS"));
    g_object_unref(plain);
    g_object_unref(all);
    g_object_unref(eds);
}

}  // namespace
}  // namespace gw::test

// The GTK back end's modal pieces of the display: the file chooser for the open and save
// dialogs, and pop-up menus, each run in a nested GTK loop until the user decides.
#include "platform/backends/gtk/gtk_backend.h"
#include "platform/backends/gtk/gtk_file_filter.h"
#include "platform/backends/gtk/gtk_native_window.h"

#include "platform/runtime/unicode.h"
#include "platform/ui/file_dialogs.h"
#include "platform/ui/menus.h"
#include "platform/ui/window_system.h"

#include <gtk/gtk.h>

namespace gw {

namespace {

std::string Utf8(const String& S) { return StringToUtf8(S); }

String FromGtkName(gchar* Name)
{
    String s = Name ? Utf8ToString(Name) : String();
    g_free(Name);
    return s;
}

// "&Save" as GTK's mnemonic "_Save"; "&&" is a plain ampersand, '_' a plain underscore.
std::string MnemonicCaption(const String& Caption)
{
    String out;
    for (std::size_t i = 0; i < Caption.size(); ++i) {
        Char c = Caption[i];
        if (c == u'&' && i + 1 < Caption.size()) {
            ++i;
            if (Caption[i] != u'&') out.push_back(u'_');
            out.push_back(Caption[i]);
        } else {
            if (c == u'_') out.push_back(u'_');
            out.push_back(c);
        }
    }
    return Utf8(out);
}

struct TMenuRun {
    GMainLoop* Loop = nullptr;
    UINT Chosen = 0;
};

void MenuItemActivated(GtkMenuItem* Item, gpointer Data)
{
    static_cast<TMenuRun*>(Data)->Chosen = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(Item), "gw-command"));
}

void MenuClosed(GtkWidget*, gpointer Data)
{
    auto* run = static_cast<TMenuRun*>(Data);
    if (g_main_loop_is_running(run->Loop)) g_main_loop_quit(run->Loop);
}

GtkWidget* BuildMenu(const std::vector<TMenuEntry>& Items, TMenuRun& Run)
{
    GtkWidget* menu = gtk_menu_new();
    for (const TMenuEntry& e : Items) {
        GtkWidget* item = nullptr;
        if (e.Caption == u"-") {
            item = gtk_separator_menu_item_new();
        } else {
            item = e.Checked ? gtk_check_menu_item_new_with_mnemonic(MnemonicCaption(e.Caption).c_str())
                             : gtk_menu_item_new_with_mnemonic(MnemonicCaption(e.Caption).c_str());
            if (e.Checked) {
                gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(item), TRUE);
                gtk_check_menu_item_set_draw_as_radio(GTK_CHECK_MENU_ITEM(item), e.RadioItem);
            }
            gtk_widget_set_sensitive(item, e.Enabled);
            if (!e.Items.empty()) {
                gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), BuildMenu(e.Items, Run));
            } else {
                g_object_set_data(G_OBJECT(item), "gw-command", GUINT_TO_POINTER(e.Command));
                g_signal_connect(item, "activate", G_CALLBACK(MenuItemActivated), &Run);
            }
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
    }
    return menu;
}

}  // namespace

bool TGtkBackend::RunFileDialog(TFileDialogRequest& R)
{
    TNative* owner = Find(FocusHolder(GetTopLevelWindow(R.Owner)));
    GtkWindow* parent = owner && owner->Window ? GTK_WINDOW(owner->Window) : nullptr;
    String title = !R.Title.empty() ? R.Title : R.Save ? String(u"Save As") : String(u"Open");
    GtkWidget* d = gtk_file_chooser_dialog_new(
        Utf8(title).c_str(), parent, R.Save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel",
        GTK_RESPONSE_CANCEL, R.Save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* fc = GTK_FILE_CHOOSER(d);
    gtk_dialog_set_default_response(GTK_DIALOG(d), GTK_RESPONSE_ACCEPT);
    gtk_file_chooser_set_local_only(fc, TRUE);
    if (!R.Save && (R.Options & ofAllowMultiSelect)) gtk_file_chooser_set_select_multiple(fc, TRUE);
    if (R.Save && (R.Options & ofOverwritePrompt)) gtk_file_chooser_set_do_overwrite_confirmation(fc, TRUE);

    std::vector<GtkFileFilter*> filters;
    for (const TFileFilterEntry& entry : ParseFileFilter(R.Filter)) {
        GtkFileFilter* f = NewFileChooserFilter(entry);
        gtk_file_chooser_add_filter(fc, f);
        filters.push_back(f);
    }
    if (R.FilterIndex >= 1 && std::size_t(R.FilterIndex) <= filters.size())
        gtk_file_chooser_set_filter(fc, filters[std::size_t(R.FilterIndex - 1)]);

    // The name proposed: its folder (else the initial one) is where the dialog opens.
    String folder = R.InitialDir, name = R.FileName;
    if (auto slash = R.FileName.rfind(u'/'); slash != String::npos) {
        folder = R.FileName.substr(0, slash + 1);
        name = R.FileName.substr(slash + 1);
    }
    if (!folder.empty()) gtk_file_chooser_set_current_folder(fc, Utf8(folder).c_str());
    if (!name.empty()) {
        if (R.Save)
            gtk_file_chooser_set_current_name(fc, Utf8(name).c_str());
        else if (!R.FileName.empty())
            gtk_file_chooser_set_filename(fc, Utf8(R.FileName).c_str());
    }

    bool chosen = gtk_dialog_run(GTK_DIALOG(d)) == GTK_RESPONSE_ACCEPT;
    if (chosen) {
        R.FileName = FromGtkName(gtk_file_chooser_get_filename(fc));
        R.Files.clear();
        if (!R.Save && (R.Options & ofAllowMultiSelect)) {
            GSList* list = gtk_file_chooser_get_filenames(fc);
            for (GSList* l = list; l; l = l->next) R.Files.push_back(FromGtkName(static_cast<gchar*>(l->data)));
            g_slist_free(list);
        }
        GtkFileFilter* f = gtk_file_chooser_get_filter(fc);
        for (std::size_t i = 0; i < filters.size(); ++i)
            if (filters[i] == f) R.FilterIndex = Integer(i + 1);
        chosen = !R.FileName.empty();
    }
    gtk_widget_destroy(d);
    return chosen;
}

UINT TGtkBackend::RunPopupMenu(const std::vector<TMenuEntry>& Items, TPoint ScreenPoint, HWND Owner)
{
    TNative* n = Find(FocusHolder(GetTopLevelWindow(Owner ? Owner : GetActiveWindow())));
    if (!n || !n->Area || !n->Visible || Items.empty()) return 0;
    GdkWindow* at = gtk_widget_get_window(n->Area);
    if (!at) return 0;
    TMenuRun run;
    run.Loop = g_main_loop_new(nullptr, FALSE);
    GtkWidget* menu = BuildMenu(Items, run);
    g_object_ref_sink(menu);
    g_signal_connect(menu, "deactivate", G_CALLBACK(MenuClosed), &run);
    g_signal_connect(menu, "hide", G_CALLBACK(MenuClosed), &run);
    gtk_widget_show_all(menu);
    GdkRectangle r{ScreenPoint.X - n->Bounds.Left, ScreenPoint.Y - n->Bounds.Top, 1, 1};
    gtk_menu_popup_at_rect(GTK_MENU(menu), at, &r, GDK_GRAVITY_NORTH_WEST, GDK_GRAVITY_NORTH_WEST, nullptr);
    // A menu that could not take the pointer is not shown, and nothing would end the loop.
    if (gtk_widget_get_mapped(menu) || gtk_widget_get_visible(menu)) g_main_loop_run(run.Loop);
    g_signal_handlers_disconnect_by_data(menu, &run);
    gtk_widget_destroy(menu);
    g_object_unref(menu);
    g_main_loop_unref(run.Loop);
    return run.Chosen;
}

}  // namespace gw

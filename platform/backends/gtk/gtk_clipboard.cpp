// The GTK back end's clipboard: text as GTK's text targets, registered formats as targets named
// like the format, so that another instance of the program finds them by name.
#include "platform/backends/gtk/gtk_backend.h"

#include "platform/runtime/text_encoding.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/window_system.h"

#include <gtk/gtk.h>

namespace gw {

namespace {

GtkClipboard* SystemClipboard() { return gtk_clipboard_get(GDK_SELECTION_CLIPBOARD); }

// The GTK target of a registered format; nullptr for a number nobody registered.
GdkAtom TargetOfFormat(UINT Format)
{
    String name = RegisteredMessageName(Format);
    if (name.empty()) return nullptr;
    return gdk_atom_intern(StringToUtf8(name).c_str(), FALSE);
}

bool IsTextFormat(UINT Format) { return Format == CF_UNICODETEXT || Format == CF_TEXT; }

// The text we offer, from Unicode text or else from ANSI text.
std::string OfferedText(const std::map<UINT, std::string>& Contents)
{
    auto u = Contents.find(CF_UNICODETEXT);
    if (u != Contents.end()) return u->second;
    auto a = Contents.find(CF_TEXT);
    return a != Contents.end() ? StringToUtf8(AnsiToString(a->second)) : std::string();
}

}  // namespace

// What GTK asks of the offer: the data of a target, and that the offer ended (another program
// took the clipboard over).
struct TClipboardOffer {
    static void Get(GtkClipboard*, GtkSelectionData* Data, guint Info, gpointer Owner)
    {
        auto* self = static_cast<TGtkBackend*>(Owner);
        if (IsTextFormat(Info)) {
            std::string text = OfferedText(self->m_clipboard);
            gtk_selection_data_set_text(Data, text.c_str(), gint(text.size()));
            return;
        }
        auto it = self->m_clipboard.find(Info);
        if (it == self->m_clipboard.end()) return;
        gtk_selection_data_set(Data, gtk_selection_data_get_target(Data), 8,
                               reinterpret_cast<const guchar*>(it->second.data()), gint(it->second.size()));
    }
    static void Clear(GtkClipboard*, gpointer Owner) { static_cast<TGtkBackend*>(Owner)->m_clipboardOwned = false; }
};

void TGtkBackend::ClipboardClear()
{
    m_clipboard.clear();
    OfferClipboard();
}

void TGtkBackend::ClipboardSet(UINT Format, const std::string& Data)
{
    m_clipboard[Format] = Data;
    OfferClipboard();
}

void TGtkBackend::OfferClipboard()
{
    GtkTargetList* list = gtk_target_list_new(nullptr, 0);
    bool text = false;
    for (auto& [format, data] : m_clipboard) {
        if (IsTextFormat(format)) {
            text = true;
        } else if (GdkAtom target = TargetOfFormat(format)) {
            gtk_target_list_add(list, target, 0, format);
        }
    }
    if (text) gtk_target_list_add_text_targets(list, CF_UNICODETEXT);
    // An empty clipboard is still ours: one private target that gives nothing.
    if (m_clipboard.empty()) gtk_target_list_add(list, gdk_atom_intern_static_string("GW_EMPTY_CLIPBOARD"), 0, 0);
    gint count = 0;
    GtkTargetEntry* table = gtk_target_table_new_from_list(list, &count);
    // Clearing takes the clipboard over too: cleared means empty for every program.
    m_clipboardOwned = gtk_clipboard_set_with_data(SystemClipboard(), table, guint(count), TClipboardOffer::Get,
                                                   TClipboardOffer::Clear, this) != FALSE;
    gtk_target_table_free(table, count);
    gtk_target_list_unref(list);
}

void TGtkBackend::ReleaseClipboard()
{
    if (m_clipboardOwned) gtk_clipboard_clear(SystemClipboard());
    m_clipboardOwned = false;
}

bool TGtkBackend::ClipboardGet(UINT Format, std::string& Data) const
{
    GtkClipboard* cb = SystemClipboard();
    // While the offer is ours the contents are here; GTK would only hand them back to us.
    if (m_clipboardOwned) {
        if (IsTextFormat(Format)) {
            auto exact = m_clipboard.find(Format);
            if (exact != m_clipboard.end()) {
                Data = exact->second;
                return true;
            }
            if (m_clipboard.count(CF_UNICODETEXT) == 0 && m_clipboard.count(CF_TEXT) == 0) return false;
            std::string text = OfferedText(m_clipboard);
            Data = Format == CF_TEXT ? StringToAnsi(Utf8ToString(text)) : text;
            return true;
        }
        auto it = m_clipboard.find(Format);
        if (it == m_clipboard.end()) return false;
        Data = it->second;
        return true;
    }
    if (IsTextFormat(Format)) {
        gchar* text = gtk_clipboard_wait_for_text(cb);
        if (!text) return false;
        std::string utf8(text);
        g_free(text);
        Data = Format == CF_TEXT ? StringToAnsi(Utf8ToString(utf8)) : utf8;
        return true;
    }
    GdkAtom target = TargetOfFormat(Format);
    if (!target) return false;
    GtkSelectionData* sel = gtk_clipboard_wait_for_contents(cb, target);
    if (!sel) return false;
    gint length = gtk_selection_data_get_length(sel);
    bool ok = length >= 0;
    if (ok) Data.assign(reinterpret_cast<const char*>(gtk_selection_data_get_data(sel)), std::size_t(length));
    gtk_selection_data_free(sel);
    return ok;
}

bool TGtkBackend::ClipboardHas(UINT Format) const
{
    if (m_clipboardOwned) {
        if (IsTextFormat(Format)) return m_clipboard.count(CF_UNICODETEXT) || m_clipboard.count(CF_TEXT);
        return m_clipboard.count(Format) != 0;
    }
    GtkClipboard* cb = SystemClipboard();
    if (IsTextFormat(Format)) return gtk_clipboard_wait_is_text_available(cb) != FALSE;
    GdkAtom target = TargetOfFormat(Format);
    return target && gtk_clipboard_wait_is_target_available(cb, target) != FALSE;
}

}  // namespace gw

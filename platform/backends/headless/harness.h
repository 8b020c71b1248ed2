// The test harness: drives the program on the headless back end as a person would, and answers
// message boxes and modal forms from a script.
#pragma once

#include "platform/backends/headless/headless_backend.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gw {

// A list of events in the order they happened, for tests that pin an order.
class TEventLog {
public:
    void Add(std::string Event) { m_items.push_back(std::move(Event)); }
    const std::vector<std::string>& Items() const { return m_items; }
    // The events so far, and an empty log.
    std::vector<std::string> Take()
    {
        std::vector<std::string> r;
        r.swap(m_items);
        return r;
    }
    void Clear() { m_items.clear(); }
    bool Contains(const std::string& Event) const;
    // How often an event was logged.
    std::size_t Count(const std::string& Event) const;

private:
    std::vector<std::string> m_items;
};

// The name of a message number ("WM_KEYDOWN", "CM_ENTER", "$C001" for others).
std::string MessageName(UINT Msg);

class THarness {
public:
    // Installs the headless back end and a fresh application; exceptions that reach the
    // application are raised on to the test (Application.OnException rethrows).
    THarness();
    // Frees every form and window and removes the back end.
    ~THarness();
    THarness(const THarness&) = delete;
    THarness& operator=(const THarness&) = delete;

    THeadlessBackend& Display() { return *m_backend; }

    // Handles everything queued, timers that are due included, without moving the clock.
    void ProcessMessages();
    // Moves the virtual clock by Milliseconds, stopping at every timer due on the way and
    // handling what it brings.
    void Advance(Cardinal Milliseconds);

    // --- keyboard ------------------------------------------------------------------------------
    void KeyDown(Word Key);
    void KeyUp(Word Key);
    // Modifiers down, the key down and up, modifiers up; then handles the messages.
    void Press(Word Key, TShiftState Shift = 0);
    // Each character as the keys that give it (text without a key comes as a packet).
    void Type(const String& Text);

    // --- mouse (points in the control's client coordinates; default: its centre) -------------------
    void MoveTo(TControl* Control, TPoint P);
    void MoveTo(TControl* Control);
    void Click(TControl* Control, TMouseButton Button = mbLeft);
    void Click(TControl* Control, TPoint P, TMouseButton Button = mbLeft, TShiftState Shift = 0);
    void DoubleClick(TControl* Control);
    void DoubleClick(TControl* Control, TPoint P);
    void MouseDown(TControl* Control, TPoint P, TMouseButton Button = mbLeft);
    void MouseUp(TControl* Control, TPoint P, TMouseButton Button = mbLeft);
    // Press at From, move in steps to To, release: all queued first, so that a drag's own loop
    // sees them as a person's hand would give them.
    void Drag(TControl* Control, TPoint From, TPoint To);
    void Drag(TControl* Source, TPoint From, TControl* Target, TPoint To);
    // Notches of the wheel over the control (positive = away from the user).
    void Wheel(TControl* Control, Integer Notches);

    // --- scripted answers (one-shot, first in first out) ------------------------------------------
    // The next message box whose text contains TextPart is answered with the button Answer.
    void AnswerMessage(const String& TextPart, TModalResult Answer);
    // The next modal form whose class name or caption is Match (empty: any) is handed to Action,
    // which can drive it and set its ModalResult.
    void AnswerModal(const String& Match, std::function<void(TCustomForm& Form)> Action);
    // The next file dialog is answered with FileName (a full name), or cancelled when empty.
    void AnswerFileDialog(const String& FileName);
    // The next pop-up menu is answered by choosing the item with that caption ('&' ignored;
    // "Sub|Item" reaches into a submenu), or cancelled when empty.
    void AnswerPopupMenu(const String& Caption);
    // The file dialogs and pop-up menus shown so far.
    const std::vector<TFileDialogRequest>& FileDialogsShown() const { return m_fileDialogs; }
    const std::vector<std::vector<TMenuEntry>>& MenusShown() const { return m_menus; }
    // Every message box text shown so far.
    const std::vector<String>& MessagesShown() const { return m_messagesShown; }
    // Answers still waiting for their box or form.
    std::size_t PendingAnswers() const
    {
        return m_messageAnswers.size() + m_modalAnswers.size() + m_fileAnswers.size() + m_menuAnswers.size();
    }

    // --- pictures and counters ---------------------------------------------------------------------
    void SavePng(TWinControl* Control, const String& FileName);
    Cardinal Paints() const { return PaintCount(); }
    Cardinal Invalidations() const { return InvalidateCount(); }

    TEventLog Log;

private:
    bool AnswerWait();
    void InjectModifiers(TShiftState Shift, bool Down);
    TPoint ScreenPoint(TControl* Control, TPoint P) const;

    struct TMessageAnswer {
        String TextPart;
        TModalResult Answer;
    };
    struct TModalAnswer {
        String Match;
        std::function<void(TCustomForm&)> Action;
    };
    std::unique_ptr<THeadlessBackend> m_backend;
    std::deque<TMessageAnswer> m_messageAnswers;
    std::deque<TModalAnswer> m_modalAnswers;
    std::vector<String> m_messagesShown;
    std::deque<String> m_fileAnswers;
    std::deque<String> m_menuAnswers;
    std::vector<TFileDialogRequest> m_fileDialogs;
    std::vector<std::vector<TMenuEntry>> m_menus;
};

}  // namespace gw

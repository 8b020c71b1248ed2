// The test harness: injected input, pumping to idle, virtual time and scripted answers.
#include "platform/backends/headless/harness.h"

#include "platform/runtime/unicode.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace gw {

bool TEventLog::Contains(const std::string& Event) const
{
    return std::find(m_items.begin(), m_items.end(), Event) != m_items.end();
}

std::size_t TEventLog::Count(const std::string& Event) const
{
    return std::size_t(std::count(m_items.begin(), m_items.end(), Event));
}

std::string MessageName(UINT Msg)
{
#define GW_MESSAGE_NAME(Name, Number) {Name, #Name},
    static const std::map<UINT, const char*> names = {GW_WINDOW_MESSAGES(GW_MESSAGE_NAME) GW_COMPONENT_MESSAGES(
        GW_MESSAGE_NAME) GW_REFLECTED_MESSAGES(GW_MESSAGE_NAME)};
#undef GW_MESSAGE_NAME
    auto it = names.find(Msg);
    if (it != names.end()) return it->second;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%04X", unsigned(Msg));
    return buf;
}

THarness::THarness() : m_backend(std::make_unique<THeadlessBackend>())
{
    ResetWindowSystem();
    InitializeUI();
    Application->OnException = [](TObject*, const Exception&) { throw; };
    m_backend->OnWait = [this] { return AnswerWait(); };
    m_backend->OnFileDialog = [this](TFileDialogRequest& R) {
        m_fileDialogs.push_back(R);
        if (m_fileAnswers.empty()) throw EInvalidOperation(u"No answer for the file dialog \"" + R.Title + u"\"");
        String answer = m_fileAnswers.front();
        m_fileAnswers.pop_front();
        if (answer.empty()) return false;
        R.FileName = answer;
        return true;
    };
    m_backend->OnPopupMenu = [this](const std::vector<TMenuEntry>& Items, TPoint) -> UINT {
        m_menus.push_back(Items);
        if (m_menuAnswers.empty()) throw EInvalidOperation(u"No answer for the pop-up menu");
        String answer = m_menuAnswers.front();
        m_menuAnswers.pop_front();
        if (answer.empty()) return 0;
        auto plain = [](String c) {
            std::erase(c, u'&');
            return c;
        };
        const std::vector<TMenuEntry>* level = &Items;
        std::size_t start = 0;
        for (;;) {
            std::size_t bar = answer.find(u'|', start);
            String part = answer.substr(start, bar == String::npos ? String::npos : bar - start);
            auto it = std::find_if(level->begin(), level->end(),
                                   [&](const TMenuEntry& e) { return plain(e.Caption) == part; });
            if (it == level->end()) throw EInvalidOperation(u"The pop-up menu has no item \"" + part + u"\"");
            if (bar == String::npos) {
                if (!it->Enabled) throw EInvalidOperation(u"The menu item \"" + part + u"\" is disabled");
                return it->Command;
            }
            level = &it->Items;
            start = bar + 1;
        }
    };
}

void THarness::AnswerFileDialog(const String& FileName) { m_fileAnswers.push_back(FileName); }

void THarness::AnswerPopupMenu(const String& Caption) { m_menuAnswers.push_back(Caption); }

THarness::~THarness()
{
    m_backend->OnWait = nullptr;
    m_backend->OnFileDialog = nullptr;
    m_backend->OnPopupMenu = nullptr;
    FinalizeUI();
}

void THarness::ProcessMessages() { Application->ProcessMessages(); }

void THarness::Advance(Cardinal Milliseconds)
{
    ProcessMessages();
    Cardinal left = Milliseconds;
    for (;;) {
        Cardinal due = NextTimerDue();
        if (due == TBackend::Infinite || due > left) {
            m_backend->Advance(left);
            ProcessMessages();
            return;
        }
        m_backend->Advance(due);
        left -= due;
        ProcessMessages();
    }
}

void THarness::KeyDown(Word Key)
{
    InjectKey(Key, true);
    ProcessMessages();
}

void THarness::KeyUp(Word Key)
{
    InjectKey(Key, false);
    ProcessMessages();
}

void THarness::InjectModifiers(TShiftState Shift, bool Down)
{
    if (Shift & ssCtrl) InjectKey(VK_CONTROL, Down);
    if (Shift & ssShift) InjectKey(VK_SHIFT, Down);
    if (Shift & ssAlt) InjectKey(VK_MENU, Down);
}

void THarness::Press(Word Key, TShiftState Shift)
{
    InjectModifiers(Shift, true);
    InjectKey(Key, true);
    InjectKey(Key, false);
    InjectModifiers(Shift, false);
    ProcessMessages();
}

void THarness::Type(const String& Text)
{
    static const std::u16string shiftedDigits = u")!@#$%^&*(";
    struct TPunct {
        Char Plain, Shifted;
        Word Key;
    };
    static const TPunct punct[] = {{u';', u':', VK_OEM_1},     {u'=', u'+', VK_OEM_PLUS},   {u',', u'<', VK_OEM_COMMA},
                                   {u'-', u'_', VK_OEM_MINUS}, {u'.', u'>', VK_OEM_PERIOD}, {u'/', u'?', VK_OEM_2}};
    for (Char c : Text) {
        Word key = 0;
        TShiftState shift = 0;
        if (c >= u'a' && c <= u'z')
            key = Word(c - u'a' + 'A');
        else if (c >= u'A' && c <= u'Z')
            key = Word(c), shift = ssShift;
        else if (c >= u'0' && c <= u'9')
            key = Word(c);
        else if (c == u' ')
            key = VK_SPACE;
        else if (c == u'\r' || c == u'\n')
            key = VK_RETURN;
        else if (c == u'\t')
            key = VK_TAB;
        else if (auto d = shiftedDigits.find(c); d != String::npos)
            key = Word('0' + d), shift = ssShift;
        else
            for (const TPunct& p : punct)
                if (c == p.Plain || c == p.Shifted) key = p.Key, shift = c == p.Shifted ? ssShift : 0;
        if (key) {
            Press(key, shift);
        } else {
            InjectKey(VK_PACKET, true, c);
            InjectKey(VK_PACKET, false, c);
            ProcessMessages();
        }
    }
}

TPoint THarness::ScreenPoint(TControl* Control, TPoint P) const { return Control->ClientToScreen(P); }

void THarness::MoveTo(TControl* Control, TPoint P)
{
    InjectMouse(TMouseAction::Move, ScreenPoint(Control, P));
    ProcessMessages();
}

void THarness::MoveTo(TControl* Control) { MoveTo(Control, {Control->Width() / 2, Control->Height() / 2}); }

void THarness::Click(TControl* Control, TMouseButton Button)
{
    Click(Control, {Control->Width() / 2, Control->Height() / 2}, Button);
}

void THarness::Click(TControl* Control, TPoint P, TMouseButton Button, TShiftState Shift)
{
    TPoint s = ScreenPoint(Control, P);
    InjectModifiers(Shift, true);
    InjectMouse(TMouseAction::Move, s);
    InjectMouse(TMouseAction::Down, s, Button);
    InjectMouse(TMouseAction::Up, s, Button);
    InjectModifiers(Shift, false);
    ProcessMessages();
}

void THarness::DoubleClick(TControl* Control) { DoubleClick(Control, {Control->Width() / 2, Control->Height() / 2}); }

void THarness::DoubleClick(TControl* Control, TPoint P)
{
    TPoint s = ScreenPoint(Control, P);
    InjectMouse(TMouseAction::Move, s);
    InjectMouse(TMouseAction::Down, s);
    InjectMouse(TMouseAction::Up, s);
    InjectMouse(TMouseAction::Down, s);
    InjectMouse(TMouseAction::Up, s);
    ProcessMessages();
}

void THarness::MouseDown(TControl* Control, TPoint P, TMouseButton Button)
{
    TPoint s = ScreenPoint(Control, P);
    InjectMouse(TMouseAction::Move, s);
    InjectMouse(TMouseAction::Down, s, Button);
    ProcessMessages();
}

void THarness::MouseUp(TControl* Control, TPoint P, TMouseButton Button)
{
    TPoint s = ScreenPoint(Control, P);
    InjectMouse(TMouseAction::Move, s);
    InjectMouse(TMouseAction::Up, s, Button);
    ProcessMessages();
}

void THarness::Drag(TControl* Control, TPoint From, TPoint To) { Drag(Control, From, Control, To); }

void THarness::Drag(TControl* Source, TPoint From, TControl* Target, TPoint To)
{
    TPoint a = ScreenPoint(Source, From), b = ScreenPoint(Target, To);
    InjectMouse(TMouseAction::Move, a);
    InjectMouse(TMouseAction::Down, a);
    const int steps = 4;
    for (int i = 1; i <= steps; ++i)
        InjectMouse(TMouseAction::Move, {a.X + (b.X - a.X) * i / steps, a.Y + (b.Y - a.Y) * i / steps});
    InjectMouse(TMouseAction::Up, b);
    ProcessMessages();
}

void THarness::Wheel(TControl* Control, Integer Notches)
{
    TPoint s = ScreenPoint(Control, {Control->Width() / 2, Control->Height() / 2});
    InjectMouse(TMouseAction::Move, s);
    InjectMouse(TMouseAction::Wheel, s, mbLeft, Notches * WHEEL_DELTA);
    ProcessMessages();
}

void THarness::AnswerMessage(const String& TextPart, TModalResult Answer)
{
    m_messageAnswers.push_back({TextPart, Answer});
}

void THarness::AnswerModal(const String& Match, std::function<void(TCustomForm& Form)> Action)
{
    m_modalAnswers.push_back({Match, std::move(Action)});
}

bool THarness::AnswerWait()
{
    TCustomForm* modal = Application ? Application->ModalForm() : nullptr;
    if (!modal) return false;
    if (auto* box = dynamic_cast<TMessageForm*>(modal)) {
        if (box->Tag == 0) {
            m_messagesShown.push_back(box->Message());
            box->Tag = 1;
        }
        for (auto it = m_messageAnswers.begin(); it != m_messageAnswers.end(); ++it) {
            if (box->Message().find(it->TextPart) == String::npos) continue;
            TModalResult answer = it->Answer;
            m_messageAnswers.erase(it);
            if (!box->ClickButton(answer))
                throw EInvalidOperation(u"The message box \"" + box->Message() + u"\" has no button for the answer");
            return true;
        }
    }
    for (auto it = m_modalAnswers.begin(); it != m_modalAnswers.end(); ++it) {
        if (!it->Match.empty() && it->Match != modal->ClassName() && it->Match != modal->Caption()) continue;
        auto action = std::move(it->Action);
        m_modalAnswers.erase(it);
        action(*modal);
        return true;
    }
    if (auto* box = dynamic_cast<TMessageForm*>(modal))
        throw EInvalidOperation(u"No answer for the message box \"" + box->Message() + u"\"");
    throw EInvalidOperation(u"No answer for the modal form " + modal->ClassName() + u" \"" + modal->Caption() + u"\"");
}

void THarness::SavePng(TWinControl* Control, const String& FileName)
{
    ProcessMessages();
    m_backend->SaveWindowToPng(Control->Handle(), FileName);
}

}  // namespace gw

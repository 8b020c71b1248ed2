// Actions, action lists and the links that carry an action's state to its clients.
#include "platform/controls/actions.h"

#include "platform/runtime/scope.h"
#include "platform/ui/control.h"

#include <algorithm>

namespace gw {

// --- TBasicAction -------------------------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    // Clients forget the action before it goes.
    for (TBasicActionLink* link : m_clients) link->m_action = nullptr;
    m_clients.clear();
}

bool TBasicAction::Execute()
{
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Link)
{
    if (std::find(m_clients.begin(), m_clients.end(), Link) == m_clients.end()) m_clients.push_back(Link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Link) { std::erase(m_clients, Link); }

void TBasicAction::Change()
{
    std::vector<TBasicActionLink*> list = m_clients;
    for (TBasicActionLink* link : list) link->Change();
}

// --- TBasicActionLink --------------------------------------------------------------------------------

TBasicActionLink::~TBasicActionLink()
{
    if (m_action) m_action->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value)
{
    if (m_action == Value) return;
    if (m_action) m_action->UnRegisterChanges(this);
    m_action = Value;
    if (m_action) m_action->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* Target)
{
    if (!m_action) return false;
    m_action->ActionComponent = Target;
    bool handled = false;
    {
        // The action may go while it runs (freed from its own handler).
        TScopeExit done{[this] {
            if (m_action) m_action->ActionComponent = nullptr;
        }};
        handled = m_action->Execute();
    }
    return handled;
}

// --- TContainedAction and TActionList ----------------------------------------------------------------

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

void TContainedAction::SetActionList(TActionList* Value)
{
    if (m_actionList == Value) return;
    if (m_actionList) std::erase(m_actionList->m_actions, this);
    m_actionList = Value;
    if (m_actionList) m_actionList->m_actions.push_back(this);
}

bool TContainedAction::Execute()
{
    if (m_actionList && m_actionList->OnExecute) {
        bool handled = false;
        m_actionList->OnExecute(this, handled);
        if (handled) return true;
    }
    return TBasicAction::Execute();
}

bool TContainedAction::Update()
{
    if (m_actionList && m_actionList->OnUpdate) {
        bool handled = false;
        m_actionList->OnUpdate(this, handled);
        if (handled) return true;
    }
    return TBasicAction::Update();
}

TActionList::~TActionList()
{
    // Actions owned elsewhere stay but leave the list.
    std::vector<TContainedAction*> list = m_actions;
    for (TContainedAction* a : list) a->SetActionList(nullptr);
}

Integer TActionList::IndexOf(const TContainedAction* Action) const
{
    auto it = std::find(m_actions.begin(), m_actions.end(), Action);
    return it == m_actions.end() ? -1 : Integer(it - m_actions.begin());
}

// --- TCustomAction -------------------------------------------------------------------------------------

namespace {

// Each setter tells the links before storing, so that a link still sees the old value and can
// tell whether its client follows the action.
template <class T, class Fn>
void ForLinks(const std::vector<TBasicActionLink*>& Clients, Fn&& Apply)
{
    std::vector<TBasicActionLink*> list = Clients;
    for (TBasicActionLink* l : list)
        if (auto* link = dynamic_cast<T*>(l)) Apply(*link);
}

}  // namespace

void TCustomAction::SetCaption(const String& Value)
{
    if (m_caption == Value) return;
    ForLinks<TActionLink>(Clients(), [&](TActionLink& L) {
        if (L.IsCaptionLinked()) L.SetCaption(Value);
    });
    m_caption = Value;
    Change();
}

void TCustomAction::SetChecked(bool Value)
{
    if (m_checked == Value) return;
    ForLinks<TActionLink>(Clients(), [&](TActionLink& L) {
        if (L.IsCheckedLinked()) L.SetChecked(Value);
    });
    m_checked = Value;
    if (Value && m_groupIndex > 0 && ActionList()) {
        for (Integer i = 0; i < ActionList()->ActionCount(); ++i) {
            auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
            if (other && other != this && other->m_groupIndex == m_groupIndex) other->SetChecked(false);
        }
    }
    Change();
}

void TCustomAction::SetEnabled(bool Value)
{
    if (m_enabled == Value) return;
    ForLinks<TActionLink>(Clients(), [&](TActionLink& L) {
        if (L.IsEnabledLinked()) L.SetEnabled(Value);
    });
    m_enabled = Value;
    Change();
}

void TCustomAction::SetVisible(bool Value)
{
    if (m_visible == Value) return;
    ForLinks<TActionLink>(Clients(), [&](TActionLink& L) {
        if (L.IsVisibleLinked()) L.SetVisible(Value);
    });
    m_visible = Value;
    Change();
}

void TCustomAction::SetHint(const String& Value)
{
    if (m_hint == Value) return;
    ForLinks<TActionLink>(Clients(), [&](TActionLink& L) {
        if (L.IsHintLinked()) L.SetHint(Value);
    });
    m_hint = Value;
    Change();
}

void TCustomAction::SetGroupIndex(Integer Value)
{
    if (m_groupIndex == Value) return;
    ForLinks<TActionLink>(Clients(), [&](TActionLink& L) {
        if (L.IsGroupIndexLinked()) L.SetGroupIndex(Value);
    });
    m_groupIndex = Value;
    Change();
}

void TCustomAction::SetImageIndex(Integer Value)
{
    if (m_imageIndex == Value) return;
    m_imageIndex = Value;
    Change();
}

bool TCustomAction::Execute()
{
    if (!m_enabled) return false;
    if (AutoCheck) SetChecked(!m_checked);
    return TContainedAction::Execute();
}

// --- TActionLink -------------------------------------------------------------------------------------

TCustomAction* TActionLink::CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }

bool TActionLink::IsCaptionLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsCheckedLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsEnabledLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsGroupIndexLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsHintLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsVisibleLinked() const { return CustomAction() != nullptr; }

void TActionLink::Change() {}

// --- TControlActionLink ------------------------------------------------------------------------------

void TControlActionLink::SetAction(TBasicAction* Value)
{
    TActionLink::SetAction(Value);
    if (TCustomAction* a = CustomAction(); a && m_client) {
        if (!a->Caption().empty()) m_client->SetCaption(a->Caption());
        m_client->SetEnabled(a->Enabled());
        m_client->SetVisible(a->Visible());
        if (!a->Hint().empty()) m_client->Hint = a->Hint();
    }
    if (OnActionChange) OnActionChange(Value);
}

void TControlActionLink::Change()
{
    if (OnActionChange) OnActionChange(Action());
}

bool TControlActionLink::Execute(TComponent* Target) { return TActionLink::Execute(Target ? Target : m_client); }

bool TControlActionLink::IsCaptionLinked() const
{
    return TActionLink::IsCaptionLinked() && m_client->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const
{
    return TActionLink::IsEnabledLinked() && m_client->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHintLinked() const
{
    return TActionLink::IsHintLinked() && m_client->Hint == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() const
{
    return TActionLink::IsVisibleLinked() && m_client->Visible() == CustomAction()->Visible();
}

void TControlActionLink::SetCaption(const String& Value) { m_client->SetCaption(Value); }
void TControlActionLink::SetEnabled(bool Value) { m_client->SetEnabled(Value); }
void TControlActionLink::SetHint(const String& Value) { m_client->Hint = Value; }
void TControlActionLink::SetVisible(bool Value) { m_client->SetVisible(Value); }

void TControlAction::SetAction(TBasicAction* Value)
{
    if (!Value) {
        m_link.reset();
        return;
    }
    if (!m_link) {
        m_link = std::make_unique<TControlActionLink>(m_client);
        m_link->OnActionChange = m_onChange;
    }
    m_link->SetAction(Value);
}

void TControlAction::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && m_link && AComponent == m_link->Action()) m_link.reset();
}

}  // namespace gw

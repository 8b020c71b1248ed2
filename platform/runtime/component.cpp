// The component model: Assign, ownership, naming, loading state and free notification.
#include "platform/runtime/component.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <exception>

namespace gw {

void TPersistent::Assign(TPersistent* Source)
{
    if (Source != nullptr)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* Source) const
{
    const String from = Source != nullptr ? Source->ClassName() : String(u"nil");
    throw EConvertError(u"Cannot assign a " + from + u" to a " + ClassName());
}

namespace {

bool IsIdentStart(Char c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_'; }

bool IsValidIdent(StringView s)
{
    if (s.empty() || !IsIdentStart(s[0])) return false;
    return std::all_of(s.begin() + 1, s.end(), [](Char c) { return IsIdentStart(c) || (c >= u'0' && c <= u'9'); });
}

void Erase(std::vector<TComponent*>& list, TComponent* item)
{
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end()) list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    NotifyFreeListNoThrow();
    DestroyComponents();
    if (TComponent* owner = m_owner) {
        try {
            owner->RemoveComponent(this);
        } catch (...) {
            // A notification handler failed; the component is going away regardless.
            if (m_owner == owner) owner->Remove(this);
        }
    }
}

void TComponent::NotifyFreeListNoThrow()
{
    while (!m_freeNotifies.empty()) {
        TComponent* other = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        Erase(other->m_freeNotifies, this);
        try {
            other->Notification(this, opRemove);
        } catch (...) {
            // No exception may leave a destructor; the reference is gone from both lists.
        }
    }
}

TComponent* TComponent::Components(Integer Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
    return m_components[static_cast<size_t>(Index)];
}

Integer TComponent::ComponentIndex() const
{
    if (m_owner == nullptr) return -1;
    const auto& list = m_owner->m_components;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<Integer>(it - list.begin());
}

TComponent* TComponent::FindComponent(StringView AName) const
{
    if (AName.empty()) return nullptr;
    for (TComponent* c : m_components)
        if (SameText(c->m_name, AName)) return c;
    return nullptr;
}

void TComponent::SetName(const String& NewName)
{
    if (m_name == NewName) return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError(u"'" + NewName + u"' is not a valid component name");
    if (m_owner != nullptr) m_owner->ValidateRename(this, m_name, NewName);
    m_name = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, StringView CurName, StringView NewName) const
{
    if (NewName.empty() || SameText(CurName, NewName)) return;
    TComponent* other = FindComponent(NewName);
    if (other != nullptr && other != AComponent)
        throw EComponentError(u"A component named " + String(NewName) + u" already exists");
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
    m_state = Value ? (m_state | csDesigning) : (m_state & ~TComponentState(csDesigning));
    if (SetChildren)
        for (TComponent* c : m_components) c->SetDesigning(Value, true);
}

void TComponent::BeginLoading()
{
    m_state |= csLoading | csReading;
    for (TComponent* c : m_components) c->BeginLoading();
}

void TComponent::EndLoading()
{
    // Children first: the owner's Loaded may rely on its parts being ready.
    const std::vector<TComponent*> children = m_components;
    for (TComponent* c : children) c->EndLoading();
    m_state &= ~TComponentState(csReading);
    if (m_state & csLoading) Loaded();
}

void TComponent::Loaded() { m_state &= ~TComponentState(csLoading); }

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (AComponent == nullptr || AComponent == this) return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), AComponent) == m_freeNotifies.end())
        m_freeNotifies.push_back(AComponent);
    auto& back = AComponent->m_freeNotifies;
    if (std::find(back.begin(), back.end(), this) == back.end()) back.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (AComponent == nullptr) return;
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) { Erase(m_freeNotifies, AComponent); }

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (AComponent == nullptr || AComponent->m_owner == this) return;
    ValidateRename(AComponent, String(), AComponent->m_name);
    if (AComponent->m_owner != nullptr) AComponent->m_owner->RemoveComponent(AComponent);
    Insert(AComponent);
    if (m_state & csDesigning) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (AComponent == nullptr || AComponent->m_owner != this) return;
    // Taken out of the list first, so that a failing handler cannot leave a dangling entry.
    Remove(AComponent);
    Notification(AComponent, opRemove);
}

void TComponent::Insert(TComponent* AComponent)
{
    m_components.push_back(AComponent);
    AComponent->m_owner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    Erase(m_components, AComponent);
    AComponent->m_owner = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!m_components.empty()) {
        TComponent* child = m_components.back();
        Remove(child);
        delete child;
    }
}

void TComponent::Destroying()
{
    if (m_state & csDestroying) return;
    m_state |= csDestroying;
    for (TComponent* c : m_components) c->Destroying();
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent != nullptr) RemoveFreeNotification(AComponent);
    // A copy: a handler may free or insert components while the news travels. Every owned
    // component hears it even when one handler fails, so that none keeps a dangling reference;
    // the first failure is raised afterwards.
    const std::vector<TComponent*> children = m_components;
    std::exception_ptr failure;
    for (TComponent* c : children) {
        if (std::find(m_components.begin(), m_components.end(), c) == m_components.end()) continue;
        try {
            c->Notification(AComponent, Operation);
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (failure) std::rethrow_exception(failure);
}

}  // namespace gw

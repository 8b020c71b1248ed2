// The component model: assignable objects, and components that own others and are told when
// the components they refer to go away.
#pragma once

#include "platform/runtime/object.h"
#include "platform/runtime/types.h"

#include <cstdint>
#include <vector>

namespace gw {

// An object whose contents can be copied from another object through Assign.
class TPersistent : public TObject {
public:
    String ClassName() const override { return u"TPersistent"; }

    // Copies Source into this object. The default asks Source to AssignTo this object and,
    // when neither side knows the other, raises EConvertError "Cannot assign a X to a Y".
    virtual void Assign(TPersistent* Source);
    // The object this one belongs to (a collection's owner, a component's owner), or nullptr.
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    // Copies this object into Dest; overridden by classes that know how to fill other classes.
    virtual void AssignTo(TPersistent* Dest);
    // Raises EConvertError "Cannot assign a <Source or nil> to a <this class>".
    [[noreturn]] void AssignError(const TPersistent* Source) const;
};

enum TOperation { opInsert, opRemove };

// Bits of TComponent::ComponentState().
enum TComponentStateBit : uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
    csUpdating = 1u << 5,
};
using TComponentState = uint32_t;

// A component is owned by its Owner, which frees it, and owns the components created with it
// as their owner. References between components that are not ownership are kept safe through
// free notification: whoever registered with FreeNotification hears opRemove before the
// referenced component is gone.
//
// Owned children are freed in ~TComponent, after the destructors of derived classes have run.
// A derived class whose children refer back to its own members (a window and its child windows)
// calls DestroyComponents() at the start of its own destructor.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    String ClassName() const override { return u"TComponent"; }

    TComponent* Owner() const { return m_owner; }
    TPersistent* GetOwner() const override { return m_owner; }
    Integer ComponentCount() const { return static_cast<Integer>(m_components.size()); }
    // The owned component at 0-based Index; EListError "List index out of bounds (n)" outside.
    TComponent* Components(Integer Index) const;
    // Position of this component in its owner's list, -1 without owner.
    Integer ComponentIndex() const;
    // The owned component with that name (case-insensitive), nullptr when none.
    TComponent* FindComponent(StringView AName) const;

    const String& Name() const { return m_name; }
    // A name is empty or an identifier, unique (without case) among the owner's components;
    // otherwise EComponentError.
    virtual void SetName(const String& NewName);

    TComponentState ComponentState() const { return m_state; }
    // Sets or clears csDesigning here and, by default, in every owned component.
    void SetDesigning(bool Value, bool SetChildren = true);
    // Marks this component and the components it owns as being loaded (csLoading, csReading);
    // EndLoading clears the marks and calls Loaded on the owned components, then on this one.
    void BeginLoading();
    void EndLoading();

    // Free notification is mutual: each of the two hears of the other's destruction.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // Frees the owned components, newest first.
    void DestroyComponents();
    // Sets csDestroying here and in every owned component.
    void Destroying();

    // A free number the program uses as it likes.
    Integer Tag = 0;

protected:
    // Told of insertion into or removal from the owner and of freed components this one
    // registered with; passes the news on to the owned components. Overrides clear their
    // references to AComponent on opRemove and call the inherited one. AComponent may be under
    // construction (opInsert comes from TComponent's constructor) or destruction, so only its
    // address and TComponent's own members are safe to use.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Called once loading has finished; clears csLoading.
    virtual void Loaded();
    // Raises EComponentError when NewName may not be used for AComponent in this owner.
    void ValidateRename(TComponent* AComponent, StringView CurName, StringView NewName) const;

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);
    void NotifyFreeListNoThrow();

    TComponent* m_owner = nullptr;
    String m_name;
    TComponentState m_state = 0;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
};

}  // namespace gw

// Classes known by name: a library's start-up registers the classes that descriptions and
// streams name, so that they can be found (and made) from the name alone, and takes them back
// at its shut-down.
#pragma once

#include "platform/runtime/collection.h"
#include "platform/runtime/component.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/types.h"

#include <functional>
#include <initializer_list>
#include <span>
#include <type_traits>

namespace gw {

// A class as the registry knows it. The record stands for the class: it lives as long as the
// program (a namespace-scope constant of the code that registers it), and two records are the
// same class only when they are the same record.
struct TPersistentClassInfo {
    String ClassName;
    // Makes an instance belonging to Owner (a component's owner, an item's collection); empty for
    // a class whose instances need more than an owner and are made in code.
    std::function<TPersistent*(TPersistent* Owner)> Create;

    // Create's instance; EInvalidOperation "Cannot create a X by name" when Create is empty.
    TPersistent* CreateInstance(TPersistent* Owner) const;
};
using TPersistentClass = const TPersistentClassInfo*;

// The record of class T named Name, made from an owner of class TOwner: a component class from
// its owner (which may be nullptr), a collection item from its collection, any other class
// from an owner of TOwner's class, which it needs. An owner of another class raises
// EInvalidCast. A class that cannot be made from a TOwner alone gets no Create.
template <class T, class TOwner = std::conditional_t<std::is_base_of_v<TCollectionItem, T>, TCollection, TComponent>>
TPersistentClassInfo ClassInfoOf(String Name)
{
    TPersistentClassInfo info{.ClassName = std::move(Name), .Create = {}};
    if constexpr (std::is_constructible_v<T, TOwner*>) {
        info.Create = [name = info.ClassName](TPersistent* Owner) -> TPersistent* {
            auto* owner = dynamic_cast<TOwner*>(Owner);
            constexpr bool ownerOptional = std::is_same_v<TOwner, TComponent> || std::is_same_v<TOwner, TCollection>;
            if (Owner != nullptr ? owner == nullptr : !ownerOptional)
                throw EInvalidCast(u"Cannot create a " + name + u" in a " +
                                   (Owner ? Owner->ClassName() : String(u"nil")));
            return new T(owner);
        };
    }
    return info;
}

// Registers AClass under its name. Registering the same record again changes nothing; another
// class under a name already taken (letter case aside) raises EFilerError "A class named X
// already exists" and leaves the registered one.
void RegisterClass(TPersistentClass AClass);
// Registers each in turn; the first error ends it (the classes after it stay unregistered).
void RegisterClasses(std::initializer_list<TPersistentClass> AClasses);
// Takes AClass out; a class not registered (or another class under its name) is left alone.
void UnRegisterClass(TPersistentClass AClass);
void UnRegisterClasses(std::initializer_list<TPersistentClass> AClasses);
// A library's start-up list: registered in order until the first error, which ends it quietly
// (the classes after it stay unregistered); true when every class was registered. Its
// shut-down takes each back.
bool TryRegisterClasses(std::span<const TPersistentClassInfo> AClasses);
void UnRegisterClasses(std::span<const TPersistentClassInfo> AClasses);
// The class registered under Name (letter case aside), or nullptr.
TPersistentClass GetClass(StringView Name);
// The class registered under Name; EClassNotFound "Class X not found" when there is none.
TPersistentClass FindClass(StringView Name);

}  // namespace gw

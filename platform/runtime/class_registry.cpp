// The process-wide list of classes registered by name.
#include "platform/runtime/class_registry.h"

#include "platform/runtime/strings.h"

#include <algorithm>
#include <vector>

namespace gw {

namespace {

// Registration happens at start-up and shut-down, on the thread that runs the program.
std::vector<TPersistentClass>& Registered()
{
    static std::vector<TPersistentClass> classes;
    return classes;
}

}  // namespace

TPersistent* TPersistentClassInfo::CreateInstance(TPersistent* Owner) const
{
    if (!Create) throw EInvalidOperation(u"Cannot create a " + ClassName + u" by name");
    return Create(Owner);
}

void RegisterClass(TPersistentClass AClass)
{
    if (AClass == nullptr) return;
    if (TPersistentClass existing = GetClass(AClass->ClassName)) {
        if (existing == AClass) return;
        throw EFilerError(u"A class named " + AClass->ClassName + u" already exists");
    }
    Registered().push_back(AClass);
}

void RegisterClasses(std::initializer_list<TPersistentClass> AClasses)
{
    for (TPersistentClass c : AClasses) RegisterClass(c);
}

void UnRegisterClass(TPersistentClass AClass)
{
    auto& classes = Registered();
    classes.erase(std::remove(classes.begin(), classes.end(), AClass), classes.end());
}

void UnRegisterClasses(std::initializer_list<TPersistentClass> AClasses)
{
    for (TPersistentClass c : AClasses) UnRegisterClass(c);
}

bool TryRegisterClasses(std::span<const TPersistentClassInfo> AClasses)
{
    try {
        for (const TPersistentClassInfo& c : AClasses) RegisterClass(&c);
    } catch (const EFilerError&) {
        return false;
    }
    return true;
}

void UnRegisterClasses(std::span<const TPersistentClassInfo> AClasses)
{
    for (const TPersistentClassInfo& c : AClasses) UnRegisterClass(&c);
}

TPersistentClass GetClass(StringView Name)
{
    for (TPersistentClass c : Registered())
        if (SameText(c->ClassName, Name)) return c;
    return nullptr;
}

TPersistentClass FindClass(StringView Name)
{
    if (TPersistentClass c = GetClass(Name)) return c;
    throw EClassNotFound(u"Class " + String(Name) + u" not found");
}

}  // namespace gw

// A table of Assign cases: for each field, a change made on the source and whether Assign takes
// it over. Each case starts from two fresh objects, so a field that Assign skips keeps the
// target's own value and a field it copies arrives.
#pragma once

#include "platform/runtime/component.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace gw::test {

template <class T>
struct AssignCase {
    const char* Field;
    // Gives the source a value the target does not have.
    std::function<void(T&)> Change;
    // Whether the two objects agree on this field.
    std::function<bool(const T&, const T&)> Same;
    bool Copied;
};

// A case for a data member, changed to Value on the source.
template <class T, class V, class U>
AssignCase<T> Member(const char* Field, V T::*Member, U Value, bool Copied)
{
    return {Field, [Member, Value](T& o) { o.*Member = V(Value); },
            [Member](const T& a, const T& b) { return a.*Member == b.*Member; }, Copied};
}

// A case for a property with a getter and a setter, set to Value on the source.
template <class T, class V, class U>
AssignCase<T> Property(const char* Field, V (T::*Get)() const, void (T::*Set)(V), U Value, bool Copied)
{
    return {Field, [Set, Value](T& o) { (o.*Set)(V(Value)); },
            [Get](const T& a, const T& b) { return (a.*Get)() == (b.*Get)(); }, Copied};
}

// Runs every case: Make builds a fresh object.
template <class T>
void ExpectAssignTable(const std::function<std::unique_ptr<T>()>& Make, const std::vector<AssignCase<T>>& Cases)
{
    for (const AssignCase<T>& c : Cases) {
        SCOPED_TRACE(c.Field);
        auto source = Make();
        auto target = Make();
        c.Change(*source);
        ASSERT_FALSE(c.Same(*source, *target)) << "the change leaves the field at its default";
        target->Assign(source.get());
        EXPECT_EQ(c.Same(*source, *target), c.Copied);
    }
}

}  // namespace gw::test

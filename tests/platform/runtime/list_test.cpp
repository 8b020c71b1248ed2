// TList and TObjectList: positions, errors, ownership of objects.
#include "platform/runtime/list.h"

#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

void* P(intptr_t v) { return reinterpret_cast<void*>(v); }

TEST(List, EditsKeepOrderAndBadPositionsRaiseTheIndexError)
{
    TList list;
    list.Add(P(1));
    list.Add(P(2));
    list.Insert(0, P(3));  // 3 1 2
    list.Move(0, 2);  // 1 2 3
    list.Exchange(0, 1);  // 2 1 3
    list.Add(nullptr);
    list.Pack();
    EXPECT_EQ(list.List(), (std::vector<void*>{P(2), P(1), P(3)}));
    EXPECT_EQ(list.Remove(P(1)), 1);
    EXPECT_EQ(list.Remove(P(9)), -1);
    EXPECT_EQ(list.IndexOf(P(3)), 1);

    struct Case {
        std::function<void()> op;
        const char16_t* message;
    };
    const Case cases[] = {
        {[&] { list.Items(2); }, u"List index out of bounds (2)"},
        {[&] { list.Delete(-1); }, u"List index out of bounds (-1)"},
        {[&] { list.Insert(3, nullptr); }, u"List index out of bounds (3)"},
        {[&] { list.SetCount(-1); }, u"List count out of bounds (-1)"},
    };
    for (const auto& c : cases) {
        try {
            c.op();
            ADD_FAILURE() << "no error";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_THROW(TList().First(), EListError);
}

TEST(List, SortIsStableWithTheCallersComparer)
{
    TList list;
    for (intptr_t v : {21, 10, 22, 11, 23}) list.Add(P(v));
    // Compare by tens only: equal keys keep their order.
    list.Sort([](void* a, void* b) {
        return static_cast<Integer>(reinterpret_cast<intptr_t>(a) / 10 - reinterpret_cast<intptr_t>(b) / 10);
    });
    EXPECT_EQ(list.List(), (std::vector<void*>{P(10), P(11), P(21), P(22), P(23)}));
}

struct TCounted : TObject {
    explicit TCounted(int* alive) : m_alive(alive) { ++*m_alive; }
    ~TCounted() override { --*m_alive; }
    int* m_alive;
};

TEST(ObjectList, FreesWhatItOwnsButNotWhatIsExtracted)
{
    int alive = 0;
    TCounted* kept = nullptr;
    {
        TObjectList list;
        list.Add(new TCounted(&alive));
        list.Add(new TCounted(&alive));
        kept = static_cast<TCounted*>(list.Extract(list.Add(new TCounted(&alive)) == 2 ? list.Items(2) : nullptr));
        list.Delete(0);
        EXPECT_EQ(alive, 2);
        list.SetItems(0, new TCounted(&alive));  // the replaced object is freed
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 1);
    delete kept;

    TObjectList borrowing(false);
    TCounted local(&alive);
    borrowing.Add(&local);
    borrowing.Clear();
    EXPECT_EQ(alive, 1);
}

}  // namespace
}  // namespace gw

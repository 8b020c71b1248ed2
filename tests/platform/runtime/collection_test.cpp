// TCollection: items of the collection's class, ownership, ids, order, Assign and updates.
#include "platform/runtime/collection.h"

#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

class TColumnItem : public TCollectionItem {
public:
    explicit TColumnItem(TCollection* Collection) : TCollectionItem(Collection) {}
    ~TColumnItem() override { ++freed; }
    String ClassName() const override { return u"TColumnItem"; }
    void Assign(TPersistent* Source) override
    {
        if (auto* s = dynamic_cast<TColumnItem*>(Source)) {
            Width = s->Width;
            return;
        }
        TCollectionItem::Assign(Source);
    }
    void SetWidth(int Value)
    {
        Width = Value;
        Changed(false);
    }
    int Width = 64;
    static inline int freed = 0;
};

TColumnItem* Column(TCollection& c, Integer i) { return static_cast<TColumnItem*>(c.Items(i)); }

TEST(Collection, AddsItemsOfItsClassAndOwnsThem)
{
    TColumnItem::freed = 0;
    {
        TCollection columns(ItemClassOf<TColumnItem>());
        auto* a = static_cast<TColumnItem*>(columns.Add());
        auto* b = columns.Add();
        auto* c = columns.Insert(0);
        EXPECT_EQ(a->ClassName(), u"TColumnItem");
        EXPECT_EQ(c->Index(), 0);
        EXPECT_EQ(a->Index(), 1);
        EXPECT_EQ(columns.FindItemID(b->ID()), b);
        EXPECT_EQ(a->GetOwner(), &columns);

        b->SetIndex(0);
        EXPECT_EQ(columns.Items(0), b);
        const Integer cid = c->ID();
        columns.Delete(1);  // c
        EXPECT_EQ(TColumnItem::freed, 1);
        EXPECT_EQ(columns.FindItemID(cid), nullptr);
        delete a;  // an item freed on its own leaves the collection
        EXPECT_EQ(columns.Count(), 1);
        EXPECT_THROW(columns.Items(1), EListError);
        EXPECT_EQ(columns.Add()->ID(), 3) << "ids are not reused";
    }
    EXPECT_EQ(TColumnItem::freed, 4);
}

TEST(Collection, AssignCopiesItemsAndUpdatesWaitForEndUpdate)
{
    TCollection source(ItemClassOf<TColumnItem>());
    static_cast<TColumnItem*>(source.Add())->Width = 10;
    static_cast<TColumnItem*>(source.Add())->Width = 20;

    TComponent grid(nullptr);
    TOwnedCollection target(&grid, ItemClassOf<TColumnItem>());
    EXPECT_EQ(target.GetOwner(), &grid);
    std::vector<TCollectionItem*> updates;
    target.OnUpdate = [&](TCollection*, TCollectionItem* Item) { updates.push_back(Item); };
    target.Add();
    target.Assign(&source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(Column(target, 1)->Width, 20);
    EXPECT_EQ(updates, (std::vector<TCollectionItem*>{nullptr, nullptr})) << "one for Add, one for Assign";

    updates.clear();
    Column(target, 0)->SetWidth(5);
    EXPECT_EQ(updates, (std::vector<TCollectionItem*>{target.Items(0)}));
    target.BeginUpdate();
    Column(target, 0)->SetWidth(6);
    target.Clear();
    EXPECT_EQ(updates.size(), 1u);
    target.EndUpdate();
    EXPECT_EQ(updates.back(), nullptr);

    TComponent other(nullptr);
    EXPECT_THROW(target.Assign(&other), EConvertError);
}

}  // namespace
}  // namespace gw

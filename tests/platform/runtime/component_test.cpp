// Component ownership, naming, loading state, free notification and the Assign protocol.
#include "platform/runtime/component.h"

#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace gw {
namespace {

using Log = std::vector<String>;

// Logs its destruction and the removals it hears of; keeps one non-owning reference.
class TProbe : public TComponent {
public:
    TProbe(TComponent* AOwner, String Tag, Log* ALog) : TComponent(AOwner), m_tag(std::move(Tag)), m_log(ALog) {}
    ~TProbe() override { m_log->push_back(u"free " + m_tag); }

    String ClassName() const override { return u"TProbe"; }

    // A sibling under the same owner hears of removals without registering.
    void SetBuddy(TComponent* Value, bool Register = true)
    {
        if (m_buddy != nullptr) m_buddy->RemoveFreeNotification(this);
        m_buddy = Value;
        if (Value != nullptr && Register) Value->FreeNotification(this);
    }
    TComponent* Buddy() const { return m_buddy; }
    int Loads = 0;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == m_buddy) {
            m_buddy = nullptr;
            m_log->push_back(m_tag + u" lost buddy");
        }
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ++Loads;
        m_log->push_back(u"loaded " + m_tag);
    }

private:
    String m_tag;
    Log* m_log;
    TComponent* m_buddy = nullptr;
};

TEST(Component, OwnerFreesOwnedComponentsNewestFirst)
{
    Log log;
    {
        TProbe root(nullptr, u"root", &log);
        auto* a = new TProbe(&root, u"a", &log);
        new TProbe(&root, u"b", &log);
        new TProbe(a, u"a1", &log);
        ASSERT_EQ(root.ComponentCount(), 2);
        EXPECT_EQ(root.Components(0), a);
        EXPECT_EQ(a->Owner(), &root);
        EXPECT_EQ(a->ComponentIndex(), 0);
        EXPECT_THROW(root.Components(2), EListError);
    }
    EXPECT_EQ(log, (Log{u"free root", u"free b", u"free a", u"free a1"}));
}

TEST(Component, FreeingAnOwnedComponentTakesItOutOfItsOwner)
{
    Log log;
    TProbe root(nullptr, u"root", &log);
    auto* a = new TProbe(&root, u"a", &log);
    auto* b = new TProbe(&root, u"b", &log);
    delete a;
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0), b);
    // Moving ownership: b now belongs to other and goes with it.
    {
        TProbe other(nullptr, u"other", &log);
        other.InsertComponent(b);
        EXPECT_EQ(root.ComponentCount(), 0);
        EXPECT_EQ(b->Owner(), &other);
    }
    EXPECT_EQ(log.back(), u"free b");
}

TEST(Component, FreeNotificationClearsReferencesAcrossOwners)
{
    Log log;
    TProbe formA(nullptr, u"formA", &log);
    auto* user = new TProbe(&formA, u"user", &log);
    {
        TProbe formB(nullptr, u"formB", &log);
        auto* target = new TProbe(&formB, u"target", &log);
        user->SetBuddy(target);
        EXPECT_EQ(user->Buddy(), target);
    }  // target goes with formB: user must not keep a dangling pointer
    EXPECT_EQ(user->Buddy(), nullptr);
    EXPECT_NE(std::find(log.begin(), log.end(), u"user lost buddy"), log.end());

    // The other direction: the one who registered goes first; the target must forget it.
    auto* target2 = new TProbe(&formA, u"target2", &log);
    {
        TProbe watcher(nullptr, u"watcher", &log);
        watcher.SetBuddy(target2);
    }
    delete target2;  // would touch the freed watcher if the registration were left behind
    SUCCEED();
}

TEST(Component, RemovedFreeNotificationIsNotCalled)
{
    Log log;
    TProbe watcher(nullptr, u"watcher", &log);
    auto target = std::make_unique<TProbe>(nullptr, u"target", &log);
    watcher.SetBuddy(target.get());
    watcher.SetBuddy(nullptr);
    target.reset();
    EXPECT_EQ(std::count(log.begin(), log.end(), u"watcher lost buddy"), 0);
}

TEST(Component, SiblingsHearOfARemovedSibling)
{
    Log log;
    TProbe form(nullptr, u"form", &log);
    auto* label = new TProbe(&form, u"label", &log);
    auto* edit = new TProbe(&form, u"edit", &log);
    label->SetBuddy(edit, false);
    delete edit;
    EXPECT_EQ(label->Buddy(), nullptr);
}

TEST(Component, AFailingNotificationDoesNotEscapeADestructor)
{
    struct TGrumpy : TComponent {
        using TComponent::TComponent;
        void Notification(TComponent* AComponent, TOperation Operation) override
        {
            TComponent::Notification(AComponent, Operation);
            if (Operation == opRemove) throw EInvalidOperation(u"no");
        }
    };
    Log log;
    TComponent form(nullptr);
    new TGrumpy(&form);
    auto* doomed = new TComponent(&form);
    auto* label = new TProbe(&form, u"label", &log);
    label->SetBuddy(doomed, false);
    auto* watched = new TComponent(nullptr);
    auto* watcher = new TGrumpy(&form);
    watched->FreeNotification(watcher);
    delete doomed;  // the first sibling's handler throws while the owner passes the news on
    EXPECT_EQ(label->Buddy(), nullptr) << "the later sibling still heard of it";
    delete watched;  // the watcher's handler throws during free notification
    EXPECT_EQ(form.ComponentCount(), 3);
}

TEST(Component, NamesAreIdentifiersUniqueWithoutCase)
{
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName(u"Btn_OK");
    EXPECT_EQ(owner.FindComponent(u"btn_ok"), a);
    try {
        b->SetName(u"BTN_OK");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), u"A component named BTN_OK already exists");
    }
    for (const String bad : {u"1abc", u"a b", u"a-b"}) {
        try {
            b->SetName(bad);
            FAIL();
        } catch (const EComponentError& e) {
            EXPECT_EQ(e.Message(), u"'" + bad + u"' is not a valid component name");
        }
    }
    a->SetName(u"btn_ok");  // renaming itself with another case is fine
    b->SetName(u"");
    EXPECT_EQ(owner.FindComponent(u""), nullptr);
}

TEST(Component, LoadingMarksEveryOwnedComponentAndCallsLoadedChildrenFirst)
{
    Log log;
    TProbe form(nullptr, u"form", &log);
    auto* child = new TProbe(&form, u"child", &log);
    form.BeginLoading();
    EXPECT_TRUE(child->ComponentState() & csLoading);
    EXPECT_TRUE(form.ComponentState() & csReading);
    form.EndLoading();
    EXPECT_EQ(log, (Log{u"loaded child", u"loaded form"}));
    EXPECT_EQ(child->ComponentState() & (csLoading | csReading), 0u);
    EXPECT_EQ(form.Loads, 1);

    form.SetDesigning(true);
    auto* late = new TComponent(&form);
    EXPECT_TRUE(late->ComponentState() & csDesigning) << "inserted into a designing owner";
}

TEST(Component, DestroyingIsVisibleToOwnedComponents)
{
    struct TSpy : TComponent {
        using TComponent::TComponent;
        TComponentState* seen = nullptr;
        ~TSpy() override { *seen = ComponentState(); }
    };
    TComponentState seen = 0;
    {
        TComponent owner(nullptr);
        auto* spy = new TSpy(&owner);
        spy->seen = &seen;
    }
    EXPECT_TRUE(seen & csDestroying);
}

class TPoint2 : public TPersistent {
public:
    String ClassName() const override { return u"TPoint2"; }
    void Assign(TPersistent* Source) override
    {
        if (auto* p = dynamic_cast<TPoint2*>(Source)) {
            x = p->x;
            return;
        }
        TPersistent::Assign(Source);
    }
    int x = 0;
};

TEST(Persistent, AssignCopiesKnownClassesAndRejectsOthers)
{
    TPoint2 a;
    TPoint2 b;
    b.x = 7;
    a.Assign(&b);
    EXPECT_EQ(a.x, 7);

    TComponent c(nullptr);
    struct Case {
        TPersistent* source;
        const char16_t* message;
    };
    for (const Case& k :
         {Case{&c, u"Cannot assign a TComponent to a TPoint2"}, Case{nullptr, u"Cannot assign a nil to a TPoint2"}}) {
        try {
            a.Assign(k.source);
            FAIL();
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), k.message);
        }
    }
}

}  // namespace
}  // namespace gw

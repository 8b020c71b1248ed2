// The kind byte of cell properties and the record field that keeps it: connected while the
// record sits in the properties' graphic slot, disconnected by whichever of the two goes first,
// and never carried by a copy. Under the sanitizer build a write through a link left to freed
// memory fails these tests.
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/graphic_kind.h"

#include <gtest/gtest.h>

#include <memory>

namespace gw::test {
namespace {

enum TFakeKind : uint8_t { fkFirst, fkSecond, fkThird };

class TFakeRecord : public TPersistent, public IGraphicKindSource {
public:
    explicit TFakeRecord(TFakeKind AKind, String AName = u"TFakeRecord") : Kind(AKind), m_name(std::move(AName)) {}
    String ClassName() const override { return m_name; }
    TGraphicKindField& GraphicKindField() override { return Kind; }

    TKindField<TFakeKind> Kind;

private:
    String m_name;
};

TEST(GraphicKind, TheByteFollowsTheRecordInTheSlotOnly)
{
    TFakeRecord first(fkSecond);
    TFakeRecord second(fkThird);
    TCellProperties p(nullptr, 0, 0);
    EXPECT_EQ(p.GraphicKind(), NoGraphicKind);
    p.SetGraphicObject(&first);
    EXPECT_EQ(p.GraphicKind(), fkSecond);
    first.Kind = fkFirst;
    EXPECT_EQ(p.GraphicKind(), fkFirst);

    p.SetGraphicObject(&second);
    EXPECT_EQ(p.GraphicKind(), fkThird);
    EXPECT_FALSE(first.Kind.Mirrored());
    first.Kind = fkSecond;
    EXPECT_EQ(p.GraphicKind(), fkThird) << "the replaced record no longer writes";
    p.SetGraphicObject(&second);
    second.Kind = fkFirst;
    EXPECT_EQ(p.GraphicKind(), fkFirst) << "storing the same record again keeps it connected";

    TPersistent foreign;
    p.SetGraphicObject(&foreign);
    EXPECT_EQ(p.GraphicKind(), NoGraphicKind);
    EXPECT_FALSE(second.Kind.Mirrored());
    p.SetGraphicObject(&second);
    p.SetGraphicObject(nullptr);
    EXPECT_EQ(p.GraphicKind(), NoGraphicKind);
    EXPECT_FALSE(second.Kind.Mirrored());
}

TEST(GraphicKind, WhicheverGoesFirstDisconnects)
{
    // The record freed while still in the slot: the byte reads none, and replacing the freed
    // record afterwards does not touch it.
    TFakeRecord next(fkThird);
    TCellProperties p(nullptr, 0, 0);
    auto* gone = new TFakeRecord(fkSecond);
    p.SetGraphicObject(gone);
    delete gone;
    EXPECT_EQ(p.GraphicKind(), NoGraphicKind);
    p.SetGraphicObject(&next);
    EXPECT_EQ(p.GraphicKind(), fkThird);

    // Properties freed before a record they do not own: the record keeps no link to them.
    TFakeRecord kept(fkFirst);
    {
        TCellProperties q(nullptr, 0, 0);
        q.SetGraphicObject(&kept);
        EXPECT_TRUE(kept.Kind.Mirrored());
    }
    EXPECT_FALSE(kept.Kind.Mirrored());
    kept.Kind = fkSecond;

    // Properties that free their record ("TCellGraphic") with themselves.
    {
        TCellProperties q(nullptr, 0, 0);
        q.SetGraphicObject(new TFakeRecord(fkFirst, u"TCellGraphic"));
        EXPECT_EQ(q.GraphicKind(), fkFirst);
    }
}

TEST(GraphicKind, ARecordTakenIntoOtherPropertiesMirrorsThereOnly)
{
    TFakeRecord record(fkSecond);
    TCellProperties from(nullptr, 0, 0);
    TCellProperties to(nullptr, 1, 0);
    from.SetGraphicObject(&record);
    to.SetGraphicObject(&record);
    EXPECT_EQ(from.GraphicKind(), NoGraphicKind);
    EXPECT_EQ(to.GraphicKind(), fkSecond);
    from.SetGraphicObject(nullptr);
    record.Kind = fkThird;
    EXPECT_EQ(to.GraphicKind(), fkThird) << "clearing the old slot must not disconnect the new one";
    EXPECT_EQ(from.GraphicKind(), NoGraphicKind);
}

TEST(GraphicKind, CopiesCarryTheValueNeverTheLink)
{
    TFakeRecord source(fkSecond);
    TFakeRecord target(fkFirst);
    TCellProperties p(nullptr, 0, 0);
    TCellProperties q(nullptr, 1, 0);
    p.SetGraphicObject(&source);
    q.SetGraphicObject(&target);

    TKindField<TFakeKind> copy(source.Kind);
    EXPECT_EQ(TFakeKind(copy), fkSecond);
    EXPECT_FALSE(copy.Mirrored());
    copy = fkThird;
    EXPECT_EQ(p.GraphicKind(), fkSecond);

    target.Kind = source.Kind;
    EXPECT_EQ(q.GraphicKind(), fkSecond) << "the assigned record mirrors its new kind into its own slot";
    source.Kind = fkThird;
    EXPECT_EQ(q.GraphicKind(), fkSecond);
    EXPECT_EQ(p.GraphicKind(), fkThird);

    // Properties copied from others take no graphic, so no kind either.
    TCellProperties assigned(nullptr, 2, 0);
    assigned.Assign(&p);
    EXPECT_EQ(assigned.GraphicKind(), NoGraphicKind);
}

}  // namespace
}  // namespace gw::test

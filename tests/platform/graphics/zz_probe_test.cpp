#include "platform/graphics/bitmap.h"
#include <gtest/gtest.h>
#include <cstdio>
namespace gw {
TEST(Probe, Text)
{
    TBitmap b(200, 60);
    TCanvas* c = b.Canvas();
    auto m = c->GetTextMetrics();
    printf("h=%d asc=%d desc=%d ext=%d ave=%d int=%d\n", m.tmHeight, m.tmAscent, m.tmDescent, m.tmExternalLeading, m.tmAveCharWidth, m.tmInternalLeading);
    for (auto s : {u"Hello", u"W", u"i", u"...", u"Hello world", u"a b", u" "}) printf("w=%d\n", c->TextWidth(s));
    c->Font()->SetName(u"Arial"); c->Font()->SetSize(10);
    m = c->GetTextMetrics();
    printf("arial10 h=%d asc=%d desc=%d ext=%d ave=%d w(Hello)=%d\n", m.tmHeight, m.tmAscent, m.tmDescent, m.tmExternalLeading, m.tmAveCharWidth, c->TextWidth(u"Hello"));
    c->Font()->SetHeight(20);
    m = c->GetTextMetrics();
    printf("cell20 h=%d\n", m.tmHeight);
}
}

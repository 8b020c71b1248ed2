// A test object of any class that counts its own destruction, to tell which objects a grid or a
// record freed and which it left to their owner.
#pragma once

namespace gw::test {

template <class Base>
class Counted : public Base {
public:
    explicit Counted(int& Deaths) : m_deaths(Deaths) {}
    ~Counted() override { ++m_deaths; }

private:
    int& m_deaths;
};

}  // namespace gw::test

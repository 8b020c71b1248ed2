// Scope helpers: undo a change, end an update or run a step when a block is left, also by an exception.
// Each must be a named object: a temporary would end at once (the compiler warns of one).
#pragma once

#include <exception>
#include <utility>

namespace gw {

// Runs the step when the scope ends. Leaving normally, an exception from the step propagates;
// leaving by an exception, the step still runs and a second exception from it is dropped, so
// the first one (the cause) is what the caller sees.
template <class Step>
class TScopeExit {
public:
    [[nodiscard]] explicit TScopeExit(Step AStep) : m_step(std::move(AStep)), m_exceptions(std::uncaught_exceptions())
    {
    }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;
    ~TScopeExit() noexcept(false)
    {
        if (!m_armed) return;
        if (std::uncaught_exceptions() > m_exceptions) {
            try {
                m_step();
            } catch (...) {
            }
        } else {
            m_step();
        }
    }
    // The step will not run.
    void Release() { m_armed = false; }

private:
    Step m_step;
    int m_exceptions;
    bool m_armed = true;
};

template <class Step>
TScopeExit(Step) -> TScopeExit<Step>;

// Sets a variable for the scope and gives it back its value afterwards.
template <class T>
class TTemporaryChange {
public:
    [[nodiscard]] TTemporaryChange(T& AVariable, T AValue) : m_variable(AVariable), m_saved(std::move(AVariable))
    {
        m_variable = std::move(AValue);
    }
    TTemporaryChange(const TTemporaryChange&) = delete;
    TTemporaryChange& operator=(const TTemporaryChange&) = delete;
    ~TTemporaryChange() { m_variable = std::move(m_saved); }

private:
    T& m_variable;
    T m_saved;
};

// BeginUpdate now, the matching EndUpdate when the scope ends (see TScopeExit for exceptions).
template <class T>
class TUpdateScope {
public:
    [[nodiscard]] explicit TUpdateScope(T& ATarget) : m_end(Begin(ATarget)) {}

private:
    struct End {
        T* Target;
        void operator()() const { Target->EndUpdate(); }
    };
    // BeginUpdate before the guard exists: if it raises, no EndUpdate follows.
    static End Begin(T& ATarget)
    {
        ATarget.BeginUpdate();
        return End{&ATarget};
    }
    TScopeExit<End> m_end;
};

}  // namespace gw

// Two string grids of 1,000 and of 1,000,000 rows on one shown form, for the benchmarks whose
// goal is that an operation costs nothing by the number of rows: each is measured the same way
// in the same run and the better of a few rounds kept.
#pragma once

#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "platform/ui/forms.h"

#include <algorithm>
#include <functional>

namespace gw::bench {

class TGridPair {
public:
    // Make builds a grid of Rows data rows on the form; the pair places it at Top.
    using TMake = std::function<TExtStringGrid*(TForm* Form, Integer Rows)>;
    // Measure gives one figure of one grid (lower is better).
    using TMeasure = std::function<double(THarness& H, TExtStringGrid* Grid)>;

    explicit TGridPair(const TMake& Make) : m_form(new TForm(Application))
    {
        m_form->SetBounds(0, 0, 700, 700);
        m_small = Place(Make(m_form, 1000), 0);
        m_large = Place(Make(m_form, 1000000), 320);
        m_form->Show();
        m_h.ProcessMessages();
    }
    ~TGridPair() { delete m_form; }
    TGridPair(const TGridPair&) = delete;
    TGridPair& operator=(const TGridPair&) = delete;

    TExtStringGrid* Small() const { return m_small; }
    TExtStringGrid* Large() const { return m_large; }

    // The best of three rounds on each grid, taken in turn.
    void Measure(const TMeasure& Figure, double& SmallBest, double& LargeBest)
    {
        for (int round = 0; round < 3; ++round) {
            SmallBest = std::min(SmallBest, Figure(m_h, m_small));
            LargeBest = std::min(LargeBest, Figure(m_h, m_large));
        }
    }

private:
    TExtStringGrid* Place(TExtStringGrid* Grid, Integer Top)
    {
        Grid->SetParent(m_form);
        Grid->SetBounds(0, Top, 600, 300);
        return Grid;
    }
    THarness m_h;
    TForm* m_form;
    TExtStringGrid* m_small = nullptr;
    TExtStringGrid* m_large = nullptr;
};

}  // namespace gw::bench

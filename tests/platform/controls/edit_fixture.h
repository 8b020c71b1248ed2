// Fixture of the edit tests: a shown form with the edit under test (focused) and a second edit
// to move the focus to, counting the edit's OnChange events.
#pragma once

#include "platform/controls/edit.h"
#include "platform/ui/forms.h"

#include "platform/backends/headless/harness.h"

#include <gtest/gtest.h>

namespace gw::test {

template <class TEditor>
class EditFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 300, 200);
        edit = new TEditor(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 21);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 150, 21);
        edit->OnChange = [this](TObject*) { ++changes; };
        form->Show();
        edit->SetFocus();
        h.ProcessMessages();
    }

    THarness h;
    TForm* form = nullptr;
    TEditor* edit = nullptr;
    TEdit* other = nullptr;
    int changes = 0;
};

}  // namespace gw::test

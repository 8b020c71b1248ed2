// Test harness for the standard controls: a headless session with one shown form and helpers
// that click, type and paint through the real message path.
#pragma once

#include "platform/backends/headless/headless_backend.h"
#include "platform/graphics/bitmap.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace gw::test {

class StdControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitializeUI();
        Application->CreateForm(form);
        form->SetBounds(100, 100, 480, 360);
        form->SetColor(clBtnFace);
        // Scripted steps run whenever the program waits for input inside a nested loop.
        backend.OnWait = [this] {
            if (script.empty()) return false;
            auto step = std::move(script.front());
            script.pop_front();
            step();
            return true;
        };
    }

    void TearDown() override
    {
        backend.OnWait = nullptr;
        FinalizeUI();
    }

    void ShowForm()
    {
        form->Show();
        Pump();
    }

    static void Pump()
    {
        if (Application) Application->ProcessMessages();
    }

    // A left click at a client point of the control.
    static void Click(TControl* Control, Integer X, Integer Y, TMouseButton Button = mbLeft)
    {
        TPoint p = Control->ClientToScreen({X, Y});
        InjectMouse(TMouseAction::Move, p);
        InjectMouse(TMouseAction::Down, p, Button);
        InjectMouse(TMouseAction::Up, p, Button);
        Pump();
    }

    // The colour of a client pixel of the control as it paints (with its children).
    static TColor PixelAt(TWinControl* Control, Integer X, Integer Y)
    {
        TBitmap b(Control->Width(), Control->Height());
        Control->PaintTo(*b.Canvas(), 0, 0);
        return b.PixelColor(X, Y);
    }

    static void ClickCentre(TControl* Control) { Click(Control, Control->Width() / 2, Control->Height() / 2); }

    static void Wheel(TControl* Control, Integer X, Integer Y, Integer Delta)
    {
        TPoint p = Control->ClientToScreen({X, Y});
        InjectMouse(TMouseAction::Move, p);
        InjectMouse(TMouseAction::Wheel, p, mbLeft, Delta);
        Pump();
    }

    // Presses and releases a key; Modifiers are held around it (VK_CONTROL, VK_SHIFT, VK_MENU).
    static void Key(Word VirtKey, std::initializer_list<Word> Modifiers = {})
    {
        for (Word m : Modifiers) InjectKey(m, true);
        InjectKey(VirtKey, true);
        InjectKey(VirtKey, false);
        for (auto it = std::rbegin(Modifiers); it != std::rend(Modifiers); ++it) InjectKey(*it, false);
        Pump();
    }

    THeadlessBackend backend;
    TForm* form = nullptr;
    std::deque<std::function<void()>> script;
};

}  // namespace gw::test

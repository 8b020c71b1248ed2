// TControl: the base of every visual control - position, visibility, mouse, messages.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/runtime/component.h"
#include "platform/ui/cursors.h"
#include "platform/ui/drag.h"
#include "platform/ui/message_records.h"
#include "platform/ui/messages.h"

#include <functional>
#include <memory>

namespace gw {

class TWinControl;
class TControl;
class TCustomForm;
class TCanvas;
class TPopupMenu;
class THintWindow;

// Makes the window a hint is shown in: MakeHintWindow<THintWindow> or of a subclass.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);
template <class T>
THintWindow* MakeHintWindow(TComponent* AOwner)
{
    return new T(AOwner);
}

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// Reading order of a control: right-to-left text reading, right-aligned layout (mirrored
// controls, columns from the right) and the vertical scroll bar on the left, together or in part.
enum TBiDiMode : Byte { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

enum TAnchorKind : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;

// TControl::ControlStyle bits.
enum TControlStyleBit : Cardinal {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csDesignInteractive = 1u << 2,
    csClickEvents = 1u << 3,
    csFramed = 1u << 4,
    csSetCaption = 1u << 5,
    csOpaque = 1u << 6,
    csDoubleClicks = 1u << 7,
    csFixedWidth = 1u << 8,
    csFixedHeight = 1u << 9,
    csNoDesignVisible = 1u << 10,
    csReplicatable = 1u << 11,
    csNoStdEvents = 1u << 12,
    csDisplayDragImage = 1u << 13,
    csReflector = 1u << 14,
    csActionClient = 1u << 15,
    csMenuEvents = 1u << 16,
    csNeedsBorderPaint = 1u << 17,
    csParentBackground = 1u << 18,
};
using TControlStyleSet = Cardinal;

// TControl::ControlState bits.
enum TControlStateBit : Cardinal {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csPalette = 1u << 2,
    csReadingState = 1u << 3,
    csAlignmentNeeded = 1u << 4,
    csFocusing = 1u << 5,
    csCreating = 1u << 6,
    csPaintCopy = 1u << 7,
    csCustomPaint = 1u << 8,
    csDestroyingHandle = 1u << 9,
};
using TControlState = Cardinal;

using TWndMethod = std::function<void(TMessage& Message)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, Integer X, Integer Y)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, Char& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, Integer WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

// What CM_HINTSHOW carries (lParam points to it); a handler may change the hint shown.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos;  // screen
    Integer HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;  // client coordinates of HintControl
    TPoint CursorPos;  // client coordinates of HintControl
    Integer ReshowTimeout = 0;
    Integer HideTimeout = 0;
    String HintStr;
    // The window class for this hint (nullptr: the application's), and data handed to it.
    THintWindowClass HintWindowClass = nullptr;
    void* HintData = nullptr;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    String ClassName() const override { return u"TControl"; }

    // --- messages -----------------------------------------------------------------------
    // The entry of every message; WndProc by default. Replace it to subclass the control and
    // call the previous value from the replacement; assign it back to restore.
    TWndMethod WindowProc;
    // Sends a message straight to WindowProc (no queue, no key translation).
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // Preprocessing (mouse state, hints), then Dispatch.
    virtual void WndProc(TMessage& Message);
    // The message handlers by number; overrides handle theirs and call the inherited one for
    // the rest, which ends in DefaultHandler.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // --- tree and geometry ----------------------------------------------------------------
    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* AParent);
    Integer Left() const { return m_left; }
    Integer Top() const { return m_top; }
    Integer Width() const { return m_width; }
    Integer Height() const { return m_height; }
    void SetLeft(Integer Value) { SetBounds(Value, m_top, m_width, m_height); }
    void SetTop(Integer Value) { SetBounds(m_left, Value, m_width, m_height); }
    void SetWidth(Integer Value) { SetBounds(m_left, m_top, Value, m_height); }
    void SetHeight(Integer Value) { SetBounds(m_left, m_top, m_width, Value); }
    virtual void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
    TRect BoundsRect() const { return Bounds(m_left, m_top, m_width, m_height); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    virtual TRect ClientRect() const { return Rect(0, 0, m_width, m_height); }
    Integer ClientWidth() const { return ClientRect().Width(); }
    Integer ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(Integer Value) { SetClientSize(Value, ClientHeight()); }
    void SetClientHeight(Integer Value) { SetClientSize(ClientWidth(), Value); }
    virtual void SetClientSize(Integer W, Integer H);
    // Screen position of the client area's (0, 0).
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;
    TAlign Align() const { return m_align; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors Value);
    // Scales position, size and font by M / D.
    virtual void ChangeScale(Integer M, Integer D);
    void ScaleBy(Integer M, Integer D) { ChangeScale(M, D); }

    // --- state ------------------------------------------------------------------------------
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool Value);
    // Visible itself and through every parent.
    bool IsVisibleThroughParents() const;
    const String& Caption() const { return m_text; }
    void SetCaption(const String& Value) { SetText(Value); }
    const String& Text() const { return m_text; }
    virtual void SetText(const String& Value);
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool Value);
    TFont* Font() const { return m_font.get(); }
    void SetFont(TFont* Value) { m_font->Assign(Value); }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool Value);
    String Hint;
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool Value);
    // Setting the reading order clears ParentBiDiMode; with ParentBiDiMode the control takes its
    // parent's and follows its changes. A change sends CM_BIDIMODECHANGED.
    TBiDiMode BiDiMode() const { return m_biDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return m_parentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    // The layout is mirrored: columns, alignments and positions count from the right edge.
    bool UseRightToLeftAlignment() const { return m_biDiMode == bdRightToLeft; }
    // Text reads from right to left.
    bool UseRightToLeftReading() const { return m_biDiMode != bdLeftToRight; }
    // The vertical scroll bar stands at the left edge.
    bool UseRightToLeftScrollBar() const
    {
        return m_biDiMode == bdRightToLeft || m_biDiMode == bdRightToLeftNoAlign;
    }
    // Any part of the reading order is right to left.
    bool IsRightToLeft() const { return m_biDiMode != bdLeftToRight; }
    // Text-drawing flags for this control's reading order: a mirrored layout swaps left and right
    // alignment (centred stays), right-to-left reading adds DT_RTLREADING.
    Cardinal DrawTextBiDiModeFlags(Cardinal Flags) const;
    // Only the reading flag: DT_RTLREADING with right-to-left reading.
    Cardinal DrawTextBiDiModeFlagsReadingOnly() const;
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor Value);
    // The menu shown on a context-menu request nobody handled (not owned).
    TPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    TControlStyleSet ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState ControlState = 0;
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);
    bool IsDestroying() const { return (ComponentState() & csDestroying) != 0; }

    // --- painting -----------------------------------------------------------------------------
    virtual void Invalidate();
    // Paints at once: Invalidate then Update.
    virtual void Repaint();
    void Refresh() { Repaint(); }
    virtual void Update();
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }

    // --- dragging ------------------------------------------------------------------------------
    // dmAutomatic starts a drag on a left-button press (past the mouse's drag threshold).
    TDragMode DragMode = dmManual;
    TCursor DragCursor = crDrag;
    // Runs the drag session (a nested loop) and returns when it has ended.
    void BeginDrag(bool Immediate, Integer Threshold = -1) { RunDrag(this, Immediate, Threshold); }
    void EndDrag(bool Drop);
    bool Dragging() const { return DragControl() == this; }
    // A drag passes over this control: Accept says whether a drop would be taken. The default
    // accepts exactly when OnDragOver is assigned and leaves it the last word.
    virtual void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, Integer X, Integer Y);
    virtual void DoStartDrag(TObject*& DragObject);
    virtual void DoEndDrag(TObject* Target, Integer X, Integer Y);
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    // --- actions --------------------------------------------------------------------------------
    virtual void Click();
    virtual void DblClick();
    // The control has a window of its own (a TWinControl).
    virtual bool IsWindowed() const { return false; }
    // A push button (not a radio button): a focused push button acts on Enter itself, so a
    // form's default button leaves the key to it.
    virtual bool IsPushButton() const { return false; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    // One notch towards the user (down) or away from the user (up), when OnMouseWheel left it.
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnResize;
    // The context-menu request (right button released, or the menu key); Handled stops it.
    TContextPopupEvent OnContextPopup;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void MouseMove(TShiftState Shift, Integer X, Integer Y);
    // OnMouseWheel, then the down or up step for each whole notch; true when handled.
    virtual bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos);
    // OnMouseWheelDown / OnMouseWheelUp; true when handled.
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void Resize();
    virtual void SetZOrder(bool TopMost);
    // The parent realigns its children after a change of this one's bounds or alignment.
    void RequestAlign();
    // Records the current bounds as the reference of the anchors.
    void UpdateAnchorRules();
    // CM_CANCELMODE to the active control of every form up the parents, unless it is this.
    void SendCancelMode();
    void InvalidateControl(bool IsVisible, bool IsOpaque);

    virtual void WMMouseButton(TMessage& Message, TMouseButton Button, TMouseButtonEvent Event);
    virtual void WMMouseMove(TMessage& Message);
    virtual void WMMouseWheel(TMessage& Message);
    virtual void CMMouseWheel(TMessage& Message);
    virtual void CMParentColorChanged(TMessage& Message);
    virtual void CMParentFontChanged(TMessage& Message);
    virtual void CMParentShowHintChanged(TMessage& Message);
    virtual void CMParentBiDiModeChanged(TMessage& Message);

    Integer m_left = 0, m_top = 0, m_width = 0, m_height = 0;

private:
    friend class TWinControl;
    void FontChanged(TObject* Sender);
    void AnchorToParent(const TRect& ParentClient);

    TWinControl* m_parent = nullptr;
    TAlign m_align = alNone;
    TAnchors m_anchors = akLeft | akTop;
    TRect m_anchorBounds;
    TSize m_anchorParentSize;
    bool m_anchorsValid = false;
    bool m_visible = true;
    bool m_enabled = true;
    String m_text;
    TColor m_color = clWindow;
    bool m_parentColor = true;
    std::unique_ptr<TFont> m_font;
    bool m_parentFont = true;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    TBiDiMode m_biDiMode = bdLeftToRight;
    bool m_parentBiDiMode = true;
    TCursor m_cursor = crDefault;
    TPopupMenu* m_popupMenu = nullptr;
    // The part of a wheel notch not yet turned into a down or up step.
    Integer m_wheelAccumulator = 0;
    bool m_settingParentFont = false;
};

// The form holding the control (the first TCustomForm up the parents), nullptr when none.
TCustomForm* GetParentForm(const TControl* Control);
// The control that has the mouse captured, nullptr when none.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);

}  // namespace gw

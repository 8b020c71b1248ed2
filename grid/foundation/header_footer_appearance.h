// The header and footer bands of a drop-down window: colours, gradient, caption, image, font,
// height, border and buttons. They hold values and report changes; they draw nothing.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/graphics/font.h"
#include "platform/runtime/collection.h"

#include <memory>

namespace gw {

enum TGradientDirection : uint8_t { gdHorizontal, gdVertical };
enum TButtonAlignment : uint8_t { baLeft, baRight };

// A button of a header or footer band.
class TAppearanceButton : public TCollectionItem {
public:
    explicit TAppearanceButton(TCollection* Collection) : TCollectionItem(Collection) {}
    String ClassName() const override { return u"TAppearanceButton"; }

    // Caption, Enabled and Width report a change to the owning collection's OnChange.
    const String& Caption() const { return m_caption; }
    void SetCaption(const String& Value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    Integer Width() const { return m_width; }
    void SetWidth(Integer Value);
    Integer ImageIndex = -1;
    Integer Height = 0;

protected:
    // Caption, ImageIndex, Enabled, Width and Height through their setters.
    void CopyFrom(const TAppearanceButton& Source);

private:
    void ButtonChanged();

    String m_caption;
    bool m_enabled = true;
    Integer m_width = 0;
};

class THeaderButton : public TAppearanceButton {
public:
    using TAppearanceButton::TAppearanceButton;
    String ClassName() const override { return u"THeaderButton"; }
    // From another header button; any other source is the persistent default's.
    void Assign(TPersistent* Source) override;
};

class TFooterButton : public TAppearanceButton {
public:
    using TAppearanceButton::TAppearanceButton;
    String ClassName() const override { return u"TFooterButton"; }
    // From another footer button (ModalResult too); any other source is the persistent default's.
    void Assign(TPersistent* Source) override;
    Integer ModalResult = 0;
};

// The buttons of a band. Adding or removing a button fires nothing; OnChange (sender the
// collection) fires when a button's Caption, Enabled or Width changes.
class TAppearanceButtons : public TOwnedCollection {
public:
    TAppearanceButtons(TPersistent* AOwner, TCollectionItemClass ItemClass)
        : TOwnedCollection(AOwner, std::move(ItemClass))
    {
    }
    String ClassName() const override { return u"TAppearanceButtons"; }
    TNotifyEvent OnChange;
};

// The buttons of one band, typed by their item class.
template <class TButton>
class TAppearanceButtonsOf : public TAppearanceButtons {
public:
    explicit TAppearanceButtonsOf(TPersistent* AOwner) : TAppearanceButtons(AOwner, ItemClassOf<TButton>()) {}
    TButton* Add() { return static_cast<TButton*>(TCollection::Add()); }
    TButton* Insert(Integer Index) { return static_cast<TButton*>(TCollection::Insert(Index)); }
    TButton* Items(Integer Index) const { return static_cast<TButton*>(TCollection::Items(Index)); }
    void SetItem(Integer Index, TButton* Value) { Items(Index)->Assign(Value); }
};

class THeaderButtons : public TAppearanceButtonsOf<THeaderButton> {
public:
    using TAppearanceButtonsOf::TAppearanceButtonsOf;
    String ClassName() const override { return u"THeaderButtons"; }
};

class TFooterButtons : public TAppearanceButtonsOf<TFooterButton> {
public:
    using TAppearanceButtonsOf::TAppearanceButtonsOf;
    String ClassName() const override { return u"TFooterButtons"; }
};

// What the header and the footer share. Assign and AssignColors take over only from an
// appearance of the same class (header from header, footer from footer) and otherwise do nothing.
class TBandAppearance : public TPersistent {
public:
    ~TBandAppearance() override;
    TPersistent* GetOwner() const override { return m_owner; }

    TColor Color = TColor(0xC0C0C0);
    TColor ColorTo = TColor(0xFFFFFF);
    String Caption;
    // The setter copies the font into the owned one.
    TFont* Font() const { return m_font.get(); }
    void SetFont(TFont* Value) { m_font->Assign(Value); }
    TGradientDirection GradientDirection = gdVertical;
    // Fires OnChange (sender the appearance) when the value changes.
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    Integer Height = 22;
    TColor BorderColor = clBlack;
    Integer BorderWidth = 1;
    Integer ImageIndex = -1;
    TButtonAlignment ButtonAlignment = baRight;

    // Copies only ColorTo, Color, BorderColor, Font and GradientDirection: the look without the
    // content.
    void AssignColors(TPersistent* Source);

    TNotifyEvent OnChange;
    // A button's Caption, Enabled or Width changed (sender the appearance).
    TNotifyEvent OnButtonsChanged;

protected:
    TBandAppearance(TPersistent* AOwner, std::unique_ptr<TAppearanceButtons> Buttons);
    TAppearanceButtons* ButtonList() const { return m_buttons.get(); }
    // Source when it is of this appearance's class, else nullptr.
    virtual const TBandAppearance* SameClass(TPersistent* Source) const = 0;
    // Every property the two share, Visible through its setter, then ButtonAlignment and Buttons.
    void CopyShared(const TBandAppearance& Source);

private:
    TPersistent* m_owner = nullptr;
    bool m_visible = true;
    std::unique_ptr<TFont> m_font = std::make_unique<TFont>();
    std::unique_ptr<TAppearanceButtons> m_buttons;
};

class THeaderAppearance : public TBandAppearance {
public:
    explicit THeaderAppearance(TPersistent* AOwner);
    String ClassName() const override { return u"THeaderAppearance"; }
    void Assign(TPersistent* Source) override;

    // The setter copies the buttons into the owned collection.
    THeaderButtons* Buttons() const { return static_cast<THeaderButtons*>(ButtonList()); }
    void SetButtons(THeaderButtons* Value) { Buttons()->Assign(Value); }

protected:
    const TBandAppearance* SameClass(TPersistent* Source) const override;
};

class TFooterAppearance : public TBandAppearance {
public:
    explicit TFooterAppearance(TPersistent* AOwner);
    String ClassName() const override { return u"TFooterAppearance"; }
    void Assign(TPersistent* Source) override;

    bool SizeGrip = true;
    // The setter copies the buttons into the owned collection.
    TFooterButtons* Buttons() const { return static_cast<TFooterButtons*>(ButtonList()); }
    void SetButtons(TFooterButtons* Value) { Buttons()->Assign(Value); }

protected:
    const TBandAppearance* SameClass(TPersistent* Source) const override;
};

}  // namespace gw

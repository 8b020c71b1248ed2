// TImage: shows a picture, stretched, proportional or centred, and reports clicks.
#pragma once

#include "platform/graphics/graphic.h"
#include "platform/ui/win_control.h"

namespace gw {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;
    String ClassName() const override { return u"TImage"; }

    TPicture* Picture() const { return m_picture.get(); }
    void SetPicture(TPicture* Value) { m_picture->Assign(Value); }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool Value);
    // Stretching keeps the picture's proportions (and shrinks only, as the platform does).
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool Value);
    bool Center() const { return m_center; }
    void SetCenter(bool Value);
    // The picture's transparent colour lets the parent show through.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    // The control takes the picture's size whenever the picture changes.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);

    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TPicture> m_picture;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_center = false;
    bool m_transparent = false;
    bool m_autoSize = false;
};

}  // namespace gw

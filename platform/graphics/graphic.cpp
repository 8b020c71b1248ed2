// The picture base, file and stream plumbing, and TPicture's format detection.
#include "platform/graphics/graphic.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_formats.h"
#include "platform/runtime/atomic_file.h"
#include "platform/runtime/files.h"
#include "platform/runtime/streams.h"

namespace gw {

void TGraphic::SetTransparent(bool Value)
{
    if (Value == m_transparent) return;
    m_transparent = Value;
    Changed();
}

void TGraphic::Changed()
{
    if (OnChange) OnChange(this);
}

void TGraphic::LoadFromStream(TStream* Stream)
{
    std::string bytes;
    char buf[65536];
    for (Integer n; (n = Stream->Read(buf, sizeof buf)) > 0;) bytes.append(buf, size_t(n));
    LoadFromBytes(bytes);
}

void TGraphic::SaveToStream(TStream* Stream) const
{
    std::string bytes = SaveToBytes();
    if (Stream->Write(bytes.data(), static_cast<Integer>(bytes.size())) != static_cast<Integer>(bytes.size()))
        throw EWriteError(u"Stream write error");
}

void TGraphic::LoadFromFile(const String& FileName) { LoadFromBytes(ReadFileBytes(FileName)); }

void TGraphic::SaveToFile(const String& FileName) const { WriteFileBytes(FileName, SaveToBytes()); }

std::string ReadFileBytes(const String& FileName) { return FileToBytes(FileName); }

void WriteFileBytes(const String& FileName, std::string_view Bytes) { WriteFileAtomic(FileName, Bytes); }

std::unique_ptr<TGraphic> CreateGraphicFor(std::string_view b)
{
    auto starts = [&](std::string_view sig) { return b.substr(0, sig.size()) == sig; };
    if (starts("BM")) return std::make_unique<TBitmap>();
    if (starts("\x89PNG\r\n\x1a\n")) return std::make_unique<TPngImage>();
    if (starts("\xFF\xD8")) return std::make_unique<TJPEGImage>();
    if (starts("GIF87a") || starts("GIF89a")) return std::make_unique<TGIFImage>();
    if (starts(std::string_view("\0\0\1\0", 4))) return std::make_unique<TIcon>();
    return nullptr;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    // Changes made to the graphic itself (drawing on a bitmap's canvas) reach the picture too.
    if (m_graphic)
        m_graphic->OnChange = [this](TObject*) {
            if (OnChange) OnChange(this);
        };
    if (OnChange) OnChange(this);
}

void TPicture::Assign(TPersistent* Source)
{
    if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        SetGraphic(picture->Graphic());
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        SetGraphic(graphic);
        return;
    }
    if (!Source) {
        SetGraphic(nullptr);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::SetGraphic(TGraphic* Value)
{
    std::unique_ptr<TGraphic> copy;
    if (Value) {
        if (dynamic_cast<TJPEGImage*>(Value))
            copy = std::make_unique<TJPEGImage>();
        else if (dynamic_cast<TPngImage*>(Value))
            copy = std::make_unique<TPngImage>();
        else if (dynamic_cast<TGIFImage*>(Value) || dynamic_cast<TIcon*>(Value))
            copy = CreateGraphicFor(Value->SaveToBytes());
        if (!copy) copy = std::make_unique<TBitmap>();
        if (dynamic_cast<TGIFImage*>(copy.get()) || dynamic_cast<TIcon*>(copy.get()))
            copy->LoadFromBytes(Value->SaveToBytes());
        else
            copy->Assign(Value);
    }
    m_graphic = std::move(copy);
    Changed();
}

TBitmap* TPicture::Bitmap()
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(m_graphic.get())) return bitmap;
    std::unique_ptr<TGraphic> fresh = m_graphic ? m_graphic->ToBitmap() : std::make_unique<TBitmap>();
    m_graphic = std::move(fresh);
    Changed();
    return static_cast<TBitmap*>(m_graphic.get());
}

Integer TPicture::Width() const { return m_graphic ? m_graphic->Width() : 0; }
Integer TPicture::Height() const { return m_graphic ? m_graphic->Height() : 0; }

void TPicture::LoadFromBytes(std::string_view Bytes)
{
    auto graphic = CreateGraphicFor(Bytes);
    if (!graphic) throw EInvalidGraphic(u"Unknown picture file format");
    graphic->LoadFromBytes(Bytes);
    m_graphic = std::move(graphic);
    Changed();
}

void TPicture::LoadFromStream(TStream* Stream)
{
    std::string bytes;
    char buf[65536];
    for (Integer n; (n = Stream->Read(buf, sizeof buf)) > 0;) bytes.append(buf, size_t(n));
    LoadFromBytes(bytes);
}

void TPicture::LoadFromFile(const String& FileName) { LoadFromBytes(ReadFileBytes(FileName)); }

void TPicture::SaveToFile(const String& FileName) const
{
    if (!m_graphic) throw EInvalidGraphic(u"Picture is empty");
    m_graphic->SaveToFile(FileName);
}

}  // namespace gw

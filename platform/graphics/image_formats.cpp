// Decoded pictures: the shared base, PNG through cairo and JPEG through libjpeg.
#include "platform/graphics/image_formats.h"

#include "platform/graphics/canvas_internal.h"

#include "platform/runtime/unicode.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace gw {

// ---- shared base ----------------------------------------------------------------------------

TDecodedGraphic::TDecodedGraphic() : m_image(std::make_unique<TBitmap>(0, 0, pf32bit))
{
    m_image->AlphaFormat = afDefined;
}

TDecodedGraphic::~TDecodedGraphic() = default;

void TDecodedGraphic::SetWidth(Integer Value)
{
    m_image->SetWidth(Value);
    Changed();
}

void TDecodedGraphic::SetHeight(Integer Value)
{
    m_image->SetHeight(Value);
    Changed();
}

void TDecodedGraphic::Draw(TCanvas& Canvas, const TRect& R)
{
    m_image->SetTransparent(false);
    m_image->Draw(Canvas, R);
}

std::unique_ptr<TBitmap> TDecodedGraphic::ToBitmap() const
{
    // A picture without transparent pixels becomes an ordinary 24-bit bitmap.
    auto bmp = m_image->ToBitmap();
    detail::Pixels px(bmp->Surface());
    bool opaque = true;
    for (Integer y = 0; y < px.height && opaque; ++y)
        for (Integer x = 0; x < px.width && opaque; ++x) opaque = (px.Row(y)[x] >> 24) == 0xFF;
    if (opaque) {
        bmp->SetPixelFormat(pf24bit);
        bmp->AlphaFormat = afIgnored;
    }
    return bmp;
}

void TDecodedGraphic::Assign(TPersistent* Source)
{
    if (auto* g = dynamic_cast<TGraphic*>(Source)) {
        auto bmp = g->ToBitmap();
        bmp->SetPixelFormat(pf32bit);
        m_image->Assign(bmp.get());
        m_image->AlphaFormat = afDefined;
        SetTransparent(g->Transparent());
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

// ---- PNG ------------------------------------------------------------------------------------

namespace {

struct ReadCursor {
    std::string_view data;
    size_t at = 0;
};

cairo_status_t ReadChunk(void* closure, unsigned char* out, unsigned int length)
{
    auto* c = static_cast<ReadCursor*>(closure);
    if (c->at + length > c->data.size()) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, c->data.data() + c->at, length);
    c->at += length;
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t WriteChunk(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

void TPngImage::LoadFromBytes(std::string_view Bytes)
{
    ReadCursor cursor{Bytes, 0};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(ReadChunk, &cursor);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        throw EInvalidGraphic(u"PNG image is not valid");
    }
    TBitmap& img = MutableImage();
    img.SetSize(cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
    detail::Pixels from(s), to(img.Surface());
    bool opaque = cairo_image_surface_get_format(s) != CAIRO_FORMAT_ARGB32;
    for (Integer y = 0; y < to.height; ++y) {
        for (Integer x = 0; x < to.width; ++x) to.Row(y)[x] = from.Row(y)[x] | (opaque ? 0xFF000000u : 0);
    }
    to.MarkDirty();
    cairo_surface_destroy(s);
    Changed();
}

std::string TPngImage::SaveToBytes() const
{
    std::string out;
    cairo_surface_write_to_png_stream(Image().Surface(), WriteChunk, &out);
    return out;
}

// ---- JPEG -----------------------------------------------------------------------------------

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info)
{
    auto* err = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void SilentJpegMessage(j_common_ptr) {}

// Decodes into RGB rows; returns false with the library's message on failure. Kept free of
// objects with destructors because the library leaves through longjmp.
bool DecodeJpeg(std::string_view bytes, std::vector<uint8_t>& rgb, int& width, int& height, char* message)
{
    jpeg_decompress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = OnJpegError;
    err.mgr.output_message = SilentJpegMessage;
    err.message[0] = 0;
    if (setjmp(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    if (uint64_t(width) * uint64_t(height) > (uint64_t(1) << 26)) {
        std::strncpy(message, "image too large", JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        return false;
    }
    rgb.resize(size_t(width) * height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + size_t(info.output_scanline) * width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height, int quality, bool grey, unsigned char** out,
                unsigned long* size, char* message)
{
    jpeg_compress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = OnJpegError;
    err.mgr.output_message = SilentJpegMessage;
    if (setjmp(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    if (grey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(rgb.data()) + size_t(info.next_scanline) * width * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

void TJPEGImage::LoadFromBytes(std::string_view Bytes)
{
    std::vector<uint8_t> rgb;
    int w = 0, h = 0;
    char message[JMSG_LENGTH_MAX] = {0};
    if (Bytes.size() < 4 || !DecodeJpeg(Bytes, rgb, w, h, message))
        throw EInvalidGraphic(u"JPEG image is not valid" + (message[0] ? u": " + S(message) : String()));
    TBitmap& img = MutableImage();
    img.SetSize(w, h);
    detail::Pixels to(img.Surface());
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = rgb.data() + size_t(y) * w * 3;
        for (int x = 0; x < w; ++x)
            to.Row(y)[x] = 0xFF000000u | (uint32_t(in[x * 3]) << 16) | (uint32_t(in[x * 3 + 1]) << 8) | in[x * 3 + 2];
    }
    to.MarkDirty();
    Changed();
}

std::string TJPEGImage::SaveToBytes() const
{
    const TBitmap& img = Image();
    if (img.Empty()) throw EInvalidGraphic(u"Cannot save an empty JPEG image");
    std::vector<uint8_t> rgb(size_t(img.Width()) * img.Height() * 3);
    detail::Pixels from(img.Surface());
    for (Integer y = 0; y < img.Height(); ++y)
        for (Integer x = 0; x < img.Width(); ++x) {
            uint32_t p = from.Row(y)[x];
            uint8_t* o = rgb.data() + (size_t(y) * img.Width() + x) * 3;
            o[0] = uint8_t(p >> 16);
            o[1] = uint8_t(p >> 8);
            o[2] = uint8_t(p);
        }
    unsigned char* out = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {0};
    bool ok = EncodeJpeg(rgb, img.Width(), img.Height(), std::clamp(CompressionQuality, 1, 100), Grayscale, &out, &size,
                         message);
    std::string result = ok ? std::string(reinterpret_cast<char*>(out), size) : std::string();
    std::free(out);
    if (!ok) throw EInvalidGraphic(u"JPEG image cannot be written: " + S(message));
    return result;
}

}  // namespace gw

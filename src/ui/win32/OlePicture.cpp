#include "OlePicture.h"

#include <cstring>

namespace velkorin::win32 {

namespace {
constexpr double kHimetricPerInch = 2540.0;
}

OlePicture OlePicture::FromResource(HINSTANCE instance, int id) {
    OlePicture result;
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return result;
    DWORD size = SizeofResource(instance, found);
    HGLOBAL loaded = LoadResource(instance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || !size) return result;

    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return result;
    void* target = GlobalLock(copy);
    if (!target) {
        GlobalFree(copy);
        return result;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(copy);

    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, stream.Put()))) {
        GlobalFree(copy);
        return result;
    }
    ComPtr<IPicture> picture;
    if (SUCCEEDED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture, picture.PutVoid()))) {
        result.picture_ = std::move(picture);
    }
    return result;
}

SIZE OlePicture::PixelSize(HDC hdc) const {
    SIZE size = {0, 0};
    if (!picture_) return size;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    size.cx = static_cast<LONG>(width * GetDeviceCaps(hdc, LOGPIXELSX) / kHimetricPerInch + 0.5);
    size.cy = static_cast<LONG>(height * GetDeviceCaps(hdc, LOGPIXELSY) / kHimetricPerInch + 0.5);
    return size;
}

void OlePicture::Render(HDC hdc, int x, int y) const {
    if (!picture_) return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    SIZE pixels = PixelSize(hdc);
    // Source rectangle from the bottom edge upwards: HIMETRIC runs bottom to top.
    picture_->Render(hdc, x, y, pixels.cx, pixels.cy, 0, height, width, -height, nullptr);
}

}  // namespace velkorin::win32

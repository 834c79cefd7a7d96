#include "runtime/win32/forms/PictureLoading.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <utility>
#include <vector>

#include "runtime/win32/ComFailure.h"
#include "runtime/win32/ComPtr.h"
#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/PictureObject.h"
#include "runtime/Failure.h"
#include "runtime/FileErrors.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32::forms {

namespace {

ObjectRef PictureObjectOf(ComPtr<IPicture> picture) {
    ComPtr<IDispatch> dispatch;
    HRESULT hr = picture->QueryInterface(IID_IPictureDisp, dispatch.PutVoid());
    if (FAILED(hr)) throw FailureFromHresult(hr);
    return std::make_shared<PictureObject>(std::move(dispatch), std::move(picture));
}

std::vector<char> ReadWholeFile(const std::string& path) {
    const UniqueHandle file = OwnFile(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw FileFailure(GetLastError());  // the runtime's file errors, as for any file
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size)) throw FailureFromLastError();
    if (size.QuadPart > 64 * 1024 * 1024) throw Failure::InvalidPicture();  // no picture of ours is anywhere near
    std::vector<char> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size())) {
        throw FailureFromLastError();
    }
    return bytes;
}

}  // namespace

ObjectRef LoadPictureBytes(const void* bytes, size_t size) {
    if (size == 0 || size > 0x7FFFFFFF) throw Failure::InvalidPicture();
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));  // freed unless the stream takes it over
    void* target = memory ? GlobalLock(memory.get()) : nullptr;
    if (!target) throw Failure::OutOfMemory();
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory.get());

    ComPtr<IStream> stream;
    HRESULT hr = CreateStreamOnHGlobal(memory.get(), TRUE, stream.Put());
    if (FAILED(hr)) throw FailureFromHresult(hr);
    memory.release();  // the stream frees it now

    ComPtr<IPicture> picture;
    hr = OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture, picture.PutVoid());
    if (FAILED(hr) || !picture) throw Failure::InvalidPicture();
    return PictureObjectOf(std::move(picture));
}

ObjectRef LoadPictureFile(const std::string& path) {
    const std::vector<char> bytes = ReadWholeFile(path);
    return LoadPictureBytes(bytes.data(), bytes.size());
}

ObjectRef LoadPictureResource(HINSTANCE instance, int id) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw Failure::ResourceNotFound(id);
    return LoadPictureBytes(bytes, SizeofResource(instance, found));
}

ObjectRef PictureFromIcon(HICON icon, bool own) {
    if (!icon) throw Failure::InvalidPicture();
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_ICON;
    description.icon.hicon = icon;
    ComPtr<IPicture> picture;
    HRESULT hr = OleCreatePictureIndirect(&description, IID_IPicture, own, picture.PutVoid());
    if (FAILED(hr) || !picture) throw Failure::InvalidPicture();
    return PictureObjectOf(std::move(picture));
}

}  // namespace velkorin::win32::forms

#pragma once

#include <windows.h>
#include <olectl.h>

#include "runtime/win32/DispatchObject.h"

namespace velkorin::wine {

// A picture object made by the system from `description` (OleCreatePictureIndirect); the picture
// owns the handle in it. nullptr when the system refuses.
inline ObjectRef PictureOf(PICTDESC& description) {
    IPictureDisp* raw = nullptr;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&raw)))) {
        return nullptr;
    }
    ObjectRef picture = win32::ObjectValue(raw).AsObject();
    raw->Release();
    return picture;
}

}  // namespace velkorin::wine

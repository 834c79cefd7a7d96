#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "runtime/Value.h"

namespace velkorin::win32::forms {

// Standard OLE pictures (bitmaps, icons, metafiles, GIF and JPEG files) as picture objects
// (PictureObject): "Handle", "Type", "Width", "Height" late-bound through IPictureDisp, and "Render".

// Throws 481 when the bytes hold no picture the system can read.
ObjectRef LoadPictureBytes(const void* bytes, size_t size);
// A picture file (path in UTF-8). Throws 53 when there is no such file.
ObjectRef LoadPictureFile(const std::string& path);
// A picture file held in the module's RCDATA resource `id`. Throws 326 when there is none.
ObjectRef LoadPictureResource(HINSTANCE instance, int id);
// An icon picture over `icon` (an icon or a cursor). With `own`, the picture destroys the icon when
// it goes; a shared icon (as LoadCursor gives) must not be owned.
ObjectRef PictureFromIcon(HICON icon, bool own);

}  // namespace velkorin::win32::forms

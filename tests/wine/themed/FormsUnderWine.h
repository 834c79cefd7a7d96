#pragma once

// What the in-process checks of the form runtime share: a form of their own, pictures from the
// test program's resources, and a window printed into a canvas.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "fakes/FailureNumber.h"
#include "wine/e2e/E2eSupport.h"
#include "runtime/win32/Win32EventLoop.h"
#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/Form.h"
#include "wine/WideStrings.h"
#include "runtime/win32/forms/PictureLoading.h"
#include "wine/themed/PixelRegions.h"
#include "runtime/win32/TextConversion.h"
#include "wine/themed/FailingAllocation.h"
#include "wine/themed/FormPieces.h"
#include "wine/themed/ThemedWindowLayout.h"
#include "wine/themed/ThemedWindowResources.h"

namespace velkorin::themed {

using fakes::NumberOf;
using namespace win32;
using namespace win32::forms;

inline Value Picture(int id) { return Value(win32::forms::LoadPictureResource(GetModuleHandleW(nullptr), id)); }

inline RECT ClientOf(HWND hwnd) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    return client;
}

// A window printed into a canvas the size of its client area.
class Printed : public MagentaCanvas {
public:
    explicit Printed(HWND hwnd) : MagentaCanvas(ClientOf(hwnd).right, ClientOf(hwnd).bottom), client_(ClientOf(hwnd)) {
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dc()), PRF_CLIENT);
    }
    const RECT& Client() const { return client_; }

private:
    RECT client_;
};

class FormsUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        FormArgs args;
        args.caption = "Forms under Wine";
        args.left = 500;
        args.top = 300;
        form = Form::Create(args);
    }
    void Show() { form->Show(); }
    std::shared_ptr<Form> form;
};

}  // namespace velkorin::themed

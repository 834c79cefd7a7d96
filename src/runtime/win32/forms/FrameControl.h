#pragma once

#include <windows.h>

#include <memory>

#include "runtime/win32/forms/WindowedControl.h"

namespace velkorin::win32::forms {

// A frame: a container window of its own class with a caption and an etched border. What its
// children tell their parent (commands, owner drawing, colour requests, notifications) it hands on
// to its own parent, so the form serves controls inside frames like any other. It paints itself
// for WM_PAINT and for WM_PRINTCLIENT alike.
class FrameControl : public WindowedControl {
public:
    static constexpr const wchar_t* kClassName = L"VelkorinFrame";

    // Registers the window class once per process; windows of it are made by the form.
    static void RegisterWindowClass();

    // The object comes first: its window is made with it as the creation parameter and is its
    // own from its first message until it is destroyed.
    FrameControl(std::weak_ptr<ControlSite> site, ObjectRef font);
    ~FrameControl() override;

    // The border and the caption; the background is left to the erase.
    void Paint(HDC dc) const;
    void EraseBackground(HDC dc) const;

private:
    template <class Object>
    friend Object* ObjectForMessage(HWND, UINT, LPARAM);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    ObjectRef font_;
    int32_t backColor_;
};

}  // namespace velkorin::win32::forms

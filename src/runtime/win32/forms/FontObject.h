#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/AutomationObject.h"
#include "runtime/win32/ScopedHandles.h"
#include "runtime/PropertyTable.h"

namespace velkorin::win32::forms {

// A font as controls and the visual-style module read it: "hFont" (the GDI font, which the object
// owns and which lives as long as it), "Name", "Size" in points and "Bold", all read-only.
class FontObject : public AutomationObject {
public:
    // A font of the face and size for the screen's pixels per inch. Throws when GDI refuses it.
    static std::shared_ptr<FontObject> Create(const std::string& face, double points, bool bold,
                                              BYTE charset = DEFAULT_CHARSET);
    // The system's message font, the one dialogs show their text in.
    static std::shared_ptr<FontObject> MessageFont();

    FontObject(const FontObject&) = delete;
    FontObject& operator=(const FontObject&) = delete;

    HFONT Handle() const { return font_.get(); }

    Value Get(const std::string& property) override { return properties_.Get(property); }
    void Put(const std::string& property, const Value& value) override { properties_.Put(property, value); }
    Value Call(const std::string& method, const std::vector<Value>& arguments) override;

private:
    FontObject(const LOGFONTW& description, double points);

    GdiObject<HFONT> font_;
    PropertyTable properties_;
};

// The GDI font of any font object, from its "hFont".
HFONT FontHandleOf(AutomationObject& font);

}  // namespace velkorin::win32::forms

#include "runtime/win32/forms/PropertyTable.h"

#include <cctype>

namespace velkorin::win32::forms {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

void PropertyTable::Add(std::string name, Reader read, Writer write) {
    entries_.push_back({std::move(name), std::move(read), std::move(write)});
}

const PropertyTable::Entry* PropertyTable::Find(const std::string& name) const {
    for (const Entry& entry : entries_) {
        if (SameName(entry.name, name)) return &entry;
    }
    return nullptr;
}

Value PropertyTable::Get(const std::string& name) const {
    const Entry* entry = Find(name);
    if (!entry) throw Failure::NoSuchMember();
    return entry->read();
}

void PropertyTable::Put(const std::string& name, const Value& value) const {
    const Entry* entry = Find(name);
    if (!entry) throw Failure::NoSuchMember();
    if (!entry->write) throw ReadOnlyProperty();
    entry->write(value);
}

Failure ReadOnlyProperty() { return Failure(383, "Set not supported (read-only property)"); }

Failure InvalidPropertyValue() { return Failure(380, "Invalid property value"); }

}  // namespace velkorin::win32::forms

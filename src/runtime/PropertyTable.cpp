#include "runtime/PropertyTable.h"

#include "runtime/Names.h"

namespace velkorin {

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
    if (!entry->write) throw Failure::ReadOnlyProperty();
    entry->write(value);
}

}  // namespace velkorin

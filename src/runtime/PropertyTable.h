#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/Failure.h"
#include "runtime/Value.h"

namespace velkorin {

// A control's properties by name, each a reader and, unless it is read-only, a writer. Names match
// without regard to case, as late-bound callers expect. A name that is not there is the runtime's 438.
class PropertyTable {
public:
    using Reader = std::function<Value()>;
    using Writer = std::function<void(const Value&)>;

    void Add(std::string name, Reader read, Writer write = nullptr);

    Value Get(const std::string& name) const;
    // Throws 383 for a property without a writer.
    void Put(const std::string& name, const Value& value) const;

private:
    struct Entry {
        std::string name;
        Reader read;
        Writer write;
    };
    const Entry* Find(const std::string& name) const;

    std::vector<Entry> entries_;
};

}  // namespace velkorin

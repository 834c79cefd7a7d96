#pragma once

#include <string>

#include "runtime/Value.h"

namespace velkorin {

// Creates a new object of a registered class, named by its class id ("{xxxxxxxx-...}").
class ComponentFactory {
public:
    virtual ~ComponentFactory() = default;
    virtual ObjectRef Create(const std::string& classId) = 0;
};

}  // namespace velkorin

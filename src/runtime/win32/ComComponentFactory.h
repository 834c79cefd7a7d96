#pragma once

#include "runtime/ComponentFactory.h"

namespace velkorin::win32 {

// New objects of registered classes through CoCreateInstance, driven late-bound afterwards.
// Needs COM initialised on the calling thread.
class ComComponentFactory : public ComponentFactory {
public:
    ObjectRef Create(const std::string& classId) override;
};

}  // namespace velkorin::win32

#pragma once
#include "wine/standin/DispatchObject.h"

// Each returns a new object holding one reference (the class factory's).
DispatchObject* CreateDaoEngine();
DispatchObject* CreateAdoConnection();
DispatchObject* CreateAdoRecordset();

// SPDX-License-Identifier: MIT
#include "app/instancemutex.h"

InstanceMutex::InstanceMutex() = default;

InstanceMutex::~InstanceMutex() = default;

// SPDX-License-Identifier: MIT
#include "app/instancemutex.h"

#include <windows.h>

// The installer's script looks for the same name. Where the mutex cannot be
// made, Tinvue runs all the same: the installers then find the program in use
// by its file.
InstanceMutex::InstanceMutex() : m_handle(CreateMutexW(nullptr, FALSE, L"Local\\" TINVUE_APP_ID)) {}

InstanceMutex::~InstanceMutex()
{
    if (m_handle)
        CloseHandle(m_handle);
}

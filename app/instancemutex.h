// SPDX-License-Identifier: MIT
#pragma once

// Tells Tinvue's installer and uninstaller that it runs, for as long as it
// lives: on Windows it holds a mutex named for the user's session, which they
// look for before they touch its files. A Linux package manager replaces the
// files of a running program safely; there it holds nothing.
class InstanceMutex
{
public:
    InstanceMutex();
    ~InstanceMutex();
    InstanceMutex(const InstanceMutex &) = delete;
    InstanceMutex &operator=(const InstanceMutex &) = delete;

private:
    void *m_handle = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A function of one of Windows' own libraries, the library loaded at its first
// call rather than as the program starts: what the first frame does not need
// (the sounds, what a screen reader asks) costs the start nothing. Once loaded
// it stays for the run, as a library linked in would.
#include <windows.h>

namespace korvane {

// Null where the library or the function is missing.
template <class Function>
Function* systemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace korvane

#pragma once
// Thin stand-ins for the Win32 library loader calls the driver binding is
// written against, so the binding reads the same on every platform.

#include <string>

using HMODULE = void*;

// Loads a shared library, resolving all of its symbols at once and keeping
// them out of the global namespace. A bare file name goes through the
// system's normal search (LD_LIBRARY_PATH, the loader cache, ...); a name
// with a slash is taken as a path. Returns nullptr when the library cannot be
// loaded and reports nothing: callers treat a missing library as a normal
// situation. Each successful call holds one more reference to the library.
HMODULE LoadLibrary(const std::string& fileName);

// Address of an exported symbol, or nullptr when the library does not export
// it. A null module yields nullptr rather than searching the whole process.
void* GetProcAddress(HMODULE module, const std::string& name);

// The platform's file name for a shared library with the given base name:
// "libKELDRV.so" on Linux, "KELDRV.dll" on Windows.
std::string SharedLibraryFileName(const std::string& baseName);

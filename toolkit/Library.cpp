#include "toolkit/Library.h"

#include <dlfcn.h>

HMODULE LoadLibrary(const std::string& fileName)
{
    // dlopen("") would hand back the main program, which is never what a
    // caller asking for a library by name wants.
    if (fileName.empty())
        return nullptr;
    HMODULE module = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        dlerror(); // drop the pending message so a later dlerror() caller does not see ours
    return module;
}

void* GetProcAddress(HMODULE module, const std::string& name)
{
    // A null handle is RTLD_DEFAULT to glibc and would search every loaded
    // object; Win32's GetProcAddress fails instead, and so do we.
    if (!module)
        return nullptr;
    void* address = dlsym(module, name.c_str());
    if (!address)
        dlerror();
    return address;
}

std::string SharedLibraryFileName(const std::string& baseName)
{
#ifdef _WIN32
    return baseName + ".dll";
#else
    return "lib" + baseName + ".so";
#endif
}

#include "ledger/xlsx_library.h"

#include <dlfcn.h>

#include <type_traits>

namespace tallyman {

std::unique_ptr<XlsxLibrary> loadXlsxLibrary(const char* fileName, std::string& whyNot)
{
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* error = dlerror();
        whyNot = "cannot write spreadsheets: " + std::string(fileName) + " cannot be loaded"
            + (error ? " (" + std::string(error) + ")" : std::string());
        return nullptr;
    }
    auto library = std::make_unique<XlsxLibrary>();
    const auto resolve = [&](auto& pointer, const char* name) {
        using Pointer = std::remove_reference_t<decltype(pointer)>;
        pointer = reinterpret_cast<Pointer>(dlsym(handle, name));
        if (!pointer && whyNot.empty())
            whyNot = "cannot write spreadsheets: " + std::string(fileName) + " has no " + name;
    };
    whyNot.clear();
#define TALLYMAN_XLSX_RESOLVE(name) resolve(library->name, #name);
    TALLYMAN_XLSX_FUNCTIONS(TALLYMAN_XLSX_RESOLVE)
#undef TALLYMAN_XLSX_RESOLVE
    if (!whyNot.empty()) {
        dlclose(handle);
        return nullptr;
    }
    // The handle is kept on purpose: the pointers must stay valid.
    return library;
}

const XlsxLibrary* xlsxLibrary(std::string& whyNot)
{
    static std::string loadProblem;
    static const std::unique_ptr<XlsxLibrary> library
        = loadXlsxLibrary(TALLYMAN_XLSXWRITER_SONAME, loadProblem);
    if (!library)
        whyNot = loadProblem;
    return library.get();
}

} // namespace tallyman

// SPDX-License-Identifier: MIT
#include "app/WindowModuleLoader.h"

#include "app/FontSystemWarmUp.h"
#include "app/ProgramName.h"
#include "app/WindowModule.h"

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr int kExitNoWindow = 1;

// The folder of the running program itself, whatever name or link it was
// started by; empty if the system cannot tell.
std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

// Where the module may be, in the order it is looked for.
std::vector<std::filesystem::path> ModuleCandidates() {
    const std::filesystem::path folder = ProgramFolder();
    return {folder / KOV_WINDOW_MODULE_FILE,
            (folder / KOV_WINDOW_MODULE_INSTALLED_DIR / KOV_WINDOW_MODULE_FILE).lexically_normal()};
}

// The first candidate that exists; the last one (the installed place) when
// none does, so that the loader's own message names what is missing.
std::filesystem::path ModulePath() {
    const std::vector<std::filesystem::path> candidates = ModuleCandidates();
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::exists(candidate, error))
            return candidate;
    }
    return candidates.back();
}

int ComplainNoWindow(const char* reason) {
    std::fprintf(stderr, "%s: cannot load its window module (%s).\n", kProgramName,
                 reason != nullptr ? reason : "unknown reason");
    return kExitNoWindow;
}

} // namespace

int RunWindowModule(int argc, char** argv, const std::string& comboFile) {
    // Never unloaded: the window's objects live until the process ends.
    // Lazy binding for what the module brings along: the system libraries
    // choose for themselves, as at the start of any program (Qt's bind at
    // load; X11, xcb, EGL and the like bind a function when it is first
    // called). Loading with RTLD_NOW bound some 1 400 functions of theirs
    // that the window never calls (offscreen, nearly all of libX11). The
    // module itself is linked to bind at load, so a symbol missing from the
    // installed Qt still refuses the module here, in one sentence, and never
    // ends the window halfway.
    void* module = dlopen(ModulePath().c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (module == nullptr)
        return ComplainNoWindow(dlerror());
    auto* run = reinterpret_cast<decltype(&KovRunWindow)>(dlsym(module, kRunWindowSymbol));
    if (run == nullptr)
        return ComplainNoWindow(dlerror());
    return run(argc, argv, comboFile.c_str(), &WaitForFontSystem);
}

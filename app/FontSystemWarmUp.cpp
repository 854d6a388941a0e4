// SPDX-License-Identifier: MIT
#include "app/FontSystemWarmUp.h"

// Only for the type of FcInit: the program opens the library itself, so that
// the command-line modes never load it.
#include <fontconfig/fontconfig.h>

#include <dlfcn.h>
#include <malloc.h>

#include <system_error>
#include <thread>

namespace {

// Joined by the first wait, or else at the program's end.
class WarmUpThread {
public:
    ~WarmUpThread() { wait(); }
    void start(decltype(&FcInit) init) {
        if (m_thread.joinable())
            return;
        try {
            m_thread = std::thread(init);
        } catch (const std::system_error&) {
            // Without a thread the font system sets itself up on first use.
        }
    }
    void wait() {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};

WarmUpThread warmUp;

} // namespace

void StartFontSystemWarmUp() {
    // The thread would open a malloc arena of its own, some 150 KB for a few
    // milliseconds of work; the program's threads are all such short helpers,
    // so they share the main one.
    mallopt(M_ARENA_MAX, 1);
    // The window's module needs this very library, so loading it here adds
    // nothing; where it is missing the module says so when it fails to load.
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (fontconfig == nullptr)
        return;
    auto* init = reinterpret_cast<decltype(&FcInit)>(dlsym(fontconfig, "FcInit"));
    if (init != nullptr)
        warmUp.start(init);
}

void WaitForFontSystem() {
    warmUp.wait();
}

// SPDX-License-Identifier: MIT
#include "window/Startup.h"

#include "window/DialogFont.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <system_error>
#include <thread>

namespace {

// The font system's set-up, started early on a thread of its own. Whoever
// needs a font first waits for it; otherwise the program's end does.
class FontSystemWarmUp {
public:
    ~FontSystemWarmUp() { wait(); }
    void start() {
        if (m_thread.joinable())
            return;
        try {
            m_thread = std::thread([] { FcInit(); });
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

FontSystemWarmUp warmUp;

} // namespace

void StartFontSystemWarmUp() {
    // The thread would open a malloc arena of its own, some 150 KB for a few
    // milliseconds of work; the program's threads are all such short helpers,
    // so they share the main one.
    mallopt(M_ARENA_MAX, 1);
    SetFontSystemWait([] { warmUp.wait(); });
    warmUp.start();
}

// SPDX-License-Identifier: MIT
#include "app/PlatformStartGuard.h"

#include "app/ProgramName.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previous = nullptr;
std::vector<HeldMessage> g_held;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// What could not be opened: the displays the platforms tried would use. With
// a platform named, only its display is meant; without, Qt tries Wayland and
// X11 as their variables are set.
std::string WhatFailed() {
    const std::string platform = Environment("QT_QPA_PLATFORM");
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    const std::string x11 = Environment("DISPLAY");
    const bool any = platform.empty();
    std::vector<std::string> displays;
    if (!wayland.empty() && (any || platform.find("wayland") != std::string::npos))
        displays.push_back("the Wayland display " + wayland);
    if (!x11.empty() && (any || platform.find("xcb") != std::string::npos))
        displays.push_back("the X11 display " + x11);
    if (displays.empty())
        return any ? "any display" : "the platform " + platform + " named in QT_QPA_PLATFORM";
    std::string text = displays.front();
    for (std::size_t i = 1; i < displays.size(); ++i)
        text += " or " + displays[i];
    return text;
}

void Watch(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s cannot show its window: it could not open %s.\n", kProgramName,
                     WhatFailed().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_held.push_back({type, QByteArray(context.category), text});
}

} // namespace

PlatformStartGuard::PlatformStartGuard() {
    g_previous = qInstallMessageHandler(Watch);
}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(g_previous);
    for (const HeldMessage& message : g_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        g_previous(message.type, context, message.text);
    }
    g_held.clear();
}

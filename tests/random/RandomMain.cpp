// SPDX-License-Identifier: MIT
// Entry point of the random window tests: one QApplication for the binary.
#include <QApplication>
#include <QStyleHints>

#include <gtest/gtest.h>

#include <cstring>

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// Hundreds of thousands of actions open drop-down lists and type characters
// no installed font covers; the offscreen platform and the font database say
// so every time. Those notes are dropped, everything else is kept.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    static const char* const kNoise[] = {
        "This plugin does not support",
        "OpenType support missing for",
    };
    const QByteArray text = message.toUtf8();
    for (const char* noise : kNoise) {
        if (type != QtFatalMsg && std::strstr(text.constData(), noise) != nullptr)
            return;
    }
    g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    g_defaultHandler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    // An open drop-down list ignores a mouse release that follows its opening
    // within the double-click interval. A person takes longer than that to
    // pick an item; the test shortens the interval rather than wait 400 ms.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(1);
    return RUN_ALL_TESTS();
}

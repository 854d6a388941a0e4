// SPDX-License-Identifier: MIT
// Entry point of the window tests: one QApplication for the whole binary, on
// whatever platform the environment names (CTest sets offscreen).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

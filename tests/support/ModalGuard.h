// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// Fails the running test, instead of hanging it, when a modal window that the
// test did not expect opens: the window is closed and the failure recorded.
class ModalGuard {
public:
    ModalGuard() {
        m_timer.setInterval(50);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

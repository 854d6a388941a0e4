// SPDX-License-Identifier: MIT
// Opening what is not a regular file through the window: refused at once
// with the file's name and kind, the window as it was.
#include "support/DialogDriver.h"

#include "window/FileChooser.h"

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SpecialFilesTest : public DialogTest {
protected:
    SpecialFilesTest() {
        m_oldOpen = FileChooser::SetOpenHandler([this](QWidget*, const QString&, const QString&,
                                                       const QString&) { return m_openAnswer; });
    }
    ~SpecialFilesTest() override { FileChooser::SetOpenHandler(m_oldOpen); }

    TempDir m_dir;
    QString m_openAnswer;

private:
    FileChooser::Handler m_oldOpen;
};

TEST_F(SpecialFilesTest, OpeningANamedPipeReturnsAtOnce) {
    const std::string pipe = m_dir.File("p.kovcombo");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Should the open wait for a writer all the same, one comes after a
    // while, so that the test fails instead of hanging.
    std::atomic<bool> opened{false};
    std::atomic<bool> rescued{false};
    std::thread watchdog([&] {
        for (int i = 0; i < 100 && !opened; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!opened) {
            rescued = true;
            close(open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
        }
    });
    m_openAnswer = QString::fromStdString(pipe);
    Press(Qt::Key_O, Qt::ControlModifier);
    opened = true;
    watchdog.join();
    EXPECT_FALSE(rescued) << "the window waited for a writer";
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].caption, "Open");
    EXPECT_EQ(m_boxes[0].text, "p.kovcombo: not a regular file but a named pipe (FIFO)");
    EXPECT_EQ(S().m_nLast, -1);
}

} // namespace

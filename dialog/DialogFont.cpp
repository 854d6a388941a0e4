#include "dialog/DialogFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <system_error>
#include <thread>

namespace {

// The list lines are aligned by character count, so nothing may shift a glyph
// off its cell.
void MakeCellExact(QFont& font) {
    font.setKerning(false);
    font.setStyleHint(QFont::TypeWriter);
}

QFont FaceAt(const QString& family, int pointSize) {
    QFont font(family);
    font.setPointSize(pointSize);
    MakeCellExact(font);
    return font;
}

// The font system's set-up, started early on a thread of its own. Whoever
// needs a font first waits for it; otherwise the program's end does.
class FontSystemWarmUp {
public:
    ~FontSystemWarmUp() { Wait(); }
    void Start() {
        if (m_thread.joinable())
            return;
        // The thread would open a malloc arena of its own, some 150 KB for a
        // few milliseconds of work; the program's threads are all such short
        // helpers, so they share the main one.
        mallopt(M_ARENA_MAX, 1);
        try {
            m_thread = std::thread([] { FcInit(); });
        } catch (const std::system_error&) {
            // Without a thread the font system sets itself up on first use.
        }
    }
    void Wait() {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};

FontSystemWarmUp warmUp;

} // namespace

void StartFontSystemWarmUp() {
    warmUp.Start();
}

bool FaceObtained(const QFont& font) {
    return QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) == 0;
}

QFont DialogFont(const char* templateFace, int pointSize) {
    // Two threads setting the font system up at once would each do all of
    // the work, so this one waits for the warm-up to finish.
    warmUp.Wait();
    // Looking the family up in the list of installed ones is far cheaper
    // than asking the font system for it: that runs its whole substitution
    // for every face that is not installed.
    const QStringList installed = QFontDatabase::families();
    // Where the Japanese system face is installed its fonts often report the
    // English family name, so that name is tried right after the template's.
    const QStringList candidates{QString::fromUtf8(templateFace), QStringLiteral("MS Gothic"),
                                 QStringLiteral("IPAGothic")};
    for (const QString& family : candidates) {
        if (family.isEmpty() || !installed.contains(family, Qt::CaseInsensitive))
            continue;
        QFont font = FaceAt(family, pointSize);
        if (FaceObtained(font))
            return font;
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(pointSize);
    MakeCellExact(font);
    return font;
}

// SPDX-License-Identifier: MIT
#include "window/DialogFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>

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

FontSystemWait fontSystemWait = nullptr;

} // namespace

void SetFontSystemWait(FontSystemWait wait) {
    fontSystemWait = wait;
}

bool FaceObtained(const QFont& font) {
    return QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) == 0;
}

QFont DialogFont(const char* templateFace, int pointSize) {
    if (fontSystemWait != nullptr)
        fontSystemWait();
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

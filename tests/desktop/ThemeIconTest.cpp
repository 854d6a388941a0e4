// SPDX-License-Identifier: MIT
// The theme icons installed for the desktop are icon 131 itself: the 32 x 32
// picture as drawn, and the larger sizes as exact blocks of its pixels.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace {

QImage Load(const QString& path) {
    QImage image(path);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
    return image.convertToFormat(QImage::Format_ARGB32);
}

TEST(ThemeIconTest, EverySizeRepeatsIcon131PixelForPixel) {
    const QImage source = Load(QStringLiteral(KOV_ICON_SOURCE));
    ASSERT_EQ(source.size(), QSize(32, 32));

    for (int size : {32, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon =
            Load(QStringLiteral(KOV_ICON_DIR "/%1x%1/apps/" KOV_APP_ID ".png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        const int block = size / source.width();
        int wrong = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                wrong += icon.pixel(x, y) != source.pixel(x / block, y / block);
        EXPECT_EQ(wrong, 0) << "pixels that differ from their source pixel";
        // The corners of the drawing are see-through; a lost alpha channel
        // would give the icon a solid square behind it.
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0);
    }
}

} // namespace

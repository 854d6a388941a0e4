// SPDX-License-Identifier: MIT
// Build-time tool: writes icon 131 as a square PNG of the given size for the
// hicolor icon theme.
//
//     kov-icon-scaler <icon.xpm> <size> <out.png>
//
// The picture is drawn for 32 x 32 pixels in 16 colours; larger sizes repeat
// every pixel as a block (nearest neighbour) so the drawing stays crisp
// instead of being smeared by a smoothing filter. Only whole multiples of the
// source size are accepted: anything else would give some pixels wider blocks
// than others.
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <icon.xpm> <size> <out.png>\n", argv[0]);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull() || source.width() != source.height()) {
        std::fprintf(stderr, "%s: not a square picture\n", argv[1]);
        return 1;
    }
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < source.width() || size % source.width() != 0) {
        std::fprintf(stderr, "%s: size must be a whole multiple of %d\n", argv[2], source.width());
        return 1;
    }

    // ARGB keeps the transparent pixels transparent in the PNG.
    const QImage scaled = source.convertToFormat(QImage::Format_ARGB32)
                              .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", argv[3]);
        return 1;
    }
    return 0;
}

// SPDX-License-Identifier: MIT
#include "window/TooltipText.h"

#include <QStringList>
#include <QTextDocument>

namespace {

QString WrapLine(const QString& line, int width) {
    QString wrapped;
    int lineLength = 0;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            wrapped += QLatin1Char('\n');
            lineLength = 0;
        } else if (lineLength > 0) {
            wrapped += QLatin1Char(' ');
            ++lineLength;
        }
        wrapped += word;
        lineLength += static_cast<int>(word.size());
    }
    return wrapped;
}

} // namespace

QString WrapTooltipText(const QString& text, int width) {
    if (Qt::mightBeRichText(text))
        return text;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.size() > width)
            line = WrapLine(line, width);
    }
    return lines.join(QLatin1Char('\n'));
}

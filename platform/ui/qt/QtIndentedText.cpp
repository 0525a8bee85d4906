#include "platform/ui/qt/QtIndentedText.h"

#include <QStringList>

namespace platform::ui::qt {

namespace {

constexpr int kTabColumns = 8;

QString ExpandTabs(const QString& line) {
    QString expanded;
    for (const QChar c : line) {
        if (c != QLatin1Char('\t')) {
            expanded += c;
            continue;
        }
        do {
            expanded += QLatin1Char(' ');
        } while (expanded.size() % kTabColumns != 0);
    }
    return expanded;
}

qsizetype IndentLength(const QString& line) {
    qsizetype length = 0;
    while (length < line.size() && line[length] == QLatin1Char(' ')) {
        ++length;
    }
    return length;
}

// Breaks one tab-free line greedily at its blanks; the blanks at a break are dropped.
QStringList BreakLine(const QString& line, const QFontMetrics& metrics, int maxWidth) {
    const qsizetype indentLength = IndentLength(line);
    const QString indent = line.left(indentLength);
    QStringList lines;
    QString current = indent;
    qsizetype at = indentLength;
    while (at < line.size()) {
        qsizetype wordStart = at;
        while (wordStart < line.size() && line[wordStart] == QLatin1Char(' ')) {
            ++wordStart;
        }
        qsizetype wordEnd = line.indexOf(QLatin1Char(' '), wordStart);
        if (wordEnd < 0) {
            wordEnd = line.size();
        }
        const QString blanks = line.mid(at, wordStart - at);
        const QString word = line.mid(wordStart, wordEnd - wordStart);
        const bool empty = current.size() == indentLength;
        if (empty || metrics.horizontalAdvance(current + blanks + word) <= maxWidth) {
            current += (empty ? QString() : blanks) + word;
        } else {
            lines << current;
            current = indent + word;
        }
        at = wordEnd;
    }
    lines << current;
    return lines;
}

}  // namespace

QString WrapKeepingIndent(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    QStringList shown;
    for (const QString& source : text.split(QLatin1Char('\n'))) {
        const QString line = ExpandTabs(source);
        if (metrics.horizontalAdvance(line) <= maxWidth) {
            shown << line;
        } else {
            shown << BreakLine(line, metrics, maxWidth);
        }
    }
    return shown.join(QLatin1Char('\n'));
}

}  // namespace platform::ui::qt

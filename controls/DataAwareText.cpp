#include "controls/DataAwareText.h"

#include <algorithm>

namespace StoredText {
namespace {

bool isCrLf(const QString &text, int index)
{
    return text.at(index) == QLatin1Char('\r') && index + 1 < text.size()
        && text.at(index + 1) == QLatin1Char('\n');
}

// Shift+Return puts a line separator into the document; both are new lines to the user.
bool isDocumentBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

} // namespace

QString lineBreak(const QString &stored)
{
    for (int i = 0; i < stored.size(); ++i) {
        if (isCrLf(stored, i))
            return QStringLiteral("\r\n");
        if (stored.at(i) == QLatin1Char('\n') || stored.at(i) == QLatin1Char('\r'))
            return QString(stored.at(i));
    }
    return QStringLiteral("\r\n");
}

int storedIndex(const QString &stored, int position)
{
    int index = 0;
    for (int p = 0; p < position && index < stored.size(); ++p)
        index += isCrLf(stored, index) ? 2 : 1;
    return index;
}

int documentPosition(const QString &stored, int index)
{
    int position = 0;
    for (int i = 0; i < index && i < stored.size(); ++position)
        i += isCrLf(stored, i) ? 2 : 1;
    return position;
}

QString applyEdit(const QString &stored, const QString &before, const QString &after)
{
    const int shorter = int(std::min(before.size(), after.size()));
    int prefix = 0;
    while (prefix < shorter && before.at(prefix) == after.at(prefix))
        ++prefix;
    int suffix = 0;
    while (suffix < shorter - prefix
           && before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;

    const QString newLine = lineBreak(stored);
    QString typed;
    for (QChar c : after.mid(prefix, after.size() - prefix - suffix)) {
        if (isDocumentBreak(c))
            typed += newLine;
        else
            typed += c;
    }
    const int from = storedIndex(stored, prefix);
    const int to = storedIndex(stored, int(before.size()) - suffix);
    return stored.left(from) + typed + stored.mid(to);
}

} // namespace StoredText

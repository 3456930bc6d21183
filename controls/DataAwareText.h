#pragma once

#include <QString>

// A memo's document has one break character where the stored text may have
// two (CR LF), so positions and edits are mapped between the two forms. The
// document text here is QTextDocument::toRawText(): one U+2029 per break.
namespace StoredText {

// How a stored text writes a new line: as its first break does (CR LF, a lone
// LF or a lone CR); CR LF when it has none.
QString lineBreak(const QString &stored);

// Index in `stored` of document position `position`.
int storedIndex(const QString &stored, int position);
// Document position of index `index` in `stored`; inside a CR LF counts as after it.
int documentPosition(const QString &stored, int index);

// The stored text after an edit turned the document text `before` into
// `after`: only the span that changed is replaced, its new breaks written as
// lineBreak(stored); everything else stays exactly as it was stored.
QString applyEdit(const QString &stored, const QString &before, const QString &after);

} // namespace StoredText

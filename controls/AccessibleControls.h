#pragma once

// Tells screen readers what the data-aware controls show: a title text is
// static text named and valued by its field's text (unless the window gave it
// an accessible name). The memos and the grid are served by Qt's own
// interfaces for plain text edits and table views. Call once, at start-up.
void installDataAwareAccessibility();

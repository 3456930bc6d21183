#pragma once

class ContentData;
class ViewSwitcher;

// The four navigation buttons: a move on the current slot's query (pnamaz
// included while the search view is shown). Errors of the data layer propagate.
enum class Move { Previous, Next, First, Last };
void navigate(ContentData &content, const ViewSwitcher &views, Move move);

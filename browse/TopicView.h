#pragma once

class QWidget;

// The five controls that show one slot: title text, question, answer and
// footnote memos, and the title grid.
struct TopicView {
    QWidget *title = nullptr;
    QWidget *question = nullptr;
    QWidget *answer = nullptr;
    QWidget *footnote = nullptr;
    QWidget *grid = nullptr;
};

#pragma once

class QWidget;

// What every edition does before its window is built: Persian-capable fonts
// behind the layout's font names, the application title and icon, and the
// right-to-left reading order.
void prepareApplication();

// Centres the window on the primary screen's work area, shows it and
// activates it; the first control in tab order then takes the focus.
void showCentred(QWidget *window);

#pragma once
// Builds the main window's controls at their designed places, with the menus.

class QMainWindow;
struct MainControls;

// Designed client area in twips.
inline constexpr double kMainClientWidth = 10725;
inline constexpr double kMainClientHeight = 7215;

void build_main_controls(QMainWindow& window, MainControls& controls);

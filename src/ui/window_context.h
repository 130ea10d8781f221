#pragma once
// What a unit of the main window works on: the state, the controls, the dialogs, the system.

class QWidget;
struct AppState;
struct MainControls;
class Dialogs;
class SystemServices;
class MainWindow;

struct WindowContext {
    AppState& state;
    MainControls& controls;
    Dialogs& dialogs;
    SystemServices& system;
    MainWindow& window;
    // Set once the program is ending; a wait that returns after that must not go on.
    bool closing = false;
};

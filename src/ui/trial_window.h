#pragma once
// The modeless trial-play window: type tune text and play it with the definition file.

#include <QWidget>

class Dialogs;
class QPlainTextEdit;
class QPushButton;
class SystemServices;
struct AppState;

class TrialWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own (no owner), deleted when it is closed so the next one starts empty.
    TrialWindow(AppState& state, Dialogs& dialogs, SystemServices& system, QWidget* parent = nullptr);

    // Makes sure the definition file exists, then opens it in the editor (Command2).
    void edit_conf();
    // Writes the trial tune from the definition file and Text1, then starts the player (Command1).
    void exec_ravu_tmp();

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr; // 試奏
    QPushButton* Command2 = nullptr; // 定義ファイル編集

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    AppState& m_state;
    Dialogs& m_dialogs;
    SystemServices& m_system;
};

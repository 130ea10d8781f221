#pragma once
// The options dialog "Ravu Filer 設定": player path, editor path, remember the window.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Dialogs;
enum class DesktopSystem;
struct AppState;
struct MainControls;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Fills the fields from the settings file and save_position; the system decides how
    // programs are told apart in the hint and the file dialog.
    OptionsDialog(AppState& state, MainControls& main_controls, Dialogs& dialogs, DesktopSystem system,
                  QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;      // player path
    QLineEdit* Text2 = nullptr;      // editor path
    QPushButton* Command1 = nullptr; // OK
    QPushButton* Command2 = nullptr; // ｷｬﾝｾﾙ
    QPushButton* Command3 = nullptr; // 参照 (player)
    QPushButton* Command4 = nullptr; // 参照 (editor)
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

private:
    void browse(QLineEdit* field, const QString& title, const QString& filter, QString& last_name);
    void apply();

    AppState& m_state;
    MainControls& m_main;
    Dialogs& m_dialogs;
    bool m_programs_by_permission;
    QString m_last_player_name;
    QString m_last_editor_name;
};

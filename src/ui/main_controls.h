#pragma once
// Every control of the main window, under its designer name, for the units that work on them.

#include "play_list_view.h" // List1, whose rows the tests read
#include "target_display.h" // target_display, which works on these controls

#include <QString>
#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class QStatusBar;
class QWidget;
class ClientArea;
class DriveList;
class FolderList;
class FileList;

struct MainControls {
    ClientArea* client = nullptr; // the client area the controls are placed on

    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;

    QPushButton* Command1 = nullptr;  // ravu起動 / アルバム演奏
    QPushButton* Command2 = nullptr;  // 試奏ウィンドウ
    QPushButton* Command3 = nullptr;  // 編集
    QPushButton* Command4 = nullptr;  // alb保存
    QPushButton* Command5 = nullptr;  // リスト選択
    QPushButton* Command6 = nullptr;  // リストクリア
    QPushButton* Command7 = nullptr;  // alb読込
    QPushButton* Command8 = nullptr;  // 変更
    QPushButton* Command9 = nullptr;  // 削除
    QPushButton* Command10 = nullptr; // 開く
    QPushButton* Command11 = nullptr; // 更新

    QCheckBox* Check1 = nullptr; // 即演奏
    QCheckBox* Check2 = nullptr; // 演奏後終了
    QCheckBox* Check3 = nullptr; // 他ravu強制終了
    QCheckBox* Check4 = nullptr; // アイコン化起動

    std::array<QRadioButton*, 3> Option1{}; // 単曲, リスト, アルバム
    QButtonGroup* Option1_group = nullptr;

    QLabel* Label1 = nullptr; // hidden: player path
    QLabel* Label2 = nullptr; // hidden: editor path
    QLabel* Label3 = nullptr; // hidden: target file
    QLabel* Label4 = nullptr; // hidden: start folder
    QLabel* Label6 = nullptr; // hidden: selection mode

    PlayListView* List1 = nullptr; // the play list

    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 3> panels{}; // the status bar's three panels

    QMenu* mnuFile = nullptr;
    QAction* mnuOpenFolder = nullptr; // フォルダを開く... (Ctrl+L)
    QMenu* mnuRecent = nullptr;       // 最近使ったフォルダ
    QAction* mnuEnd = nullptr;
    QMenu* mnuCustom = nullptr;
    QAction* mnuOpt = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuMftxt = nullptr;
    QAction* mnuVersion = nullptr;
};

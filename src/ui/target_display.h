#pragma once
// The target file as the main window shows it: "対象ファイル：" and the path, in the hidden
// label Label3 and in the status bar's first panel; with no target, no preview either.

#include <QString>

class QLabel;
class QPlainTextEdit;
struct MainControls;

inline const QString kTargetPrefix = QStringLiteral("対象ファイル：");

struct TargetDisplay {
    QLabel* label = nullptr;
    QLabel* panel = nullptr;
    QPlainTextEdit* preview = nullptr; // emptied with the target, so it shows no other file

    void show(const QString& target_file) const;
};

TargetDisplay target_display(const MainControls& controls);

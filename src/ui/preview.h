#pragma once
// The selected file as the target, and its first lines in the preview field Text1.

#include <QStringList>

struct WindowContext;

// How much the preview field takes. A text past either bound is refused with
// "１行の文字数が長すぎます", so no file, however long its lines, holds up the window:
// only the first 200 lines are read, reading stops at a line of more than
// kPreviewMaxLineBytes, and the field lays out at most kPreviewMaxChars characters.
inline constexpr int kPreviewLines = 200;
inline constexpr qint64 kPreviewMaxLineBytes = 64 * 1024;
inline constexpr qsizetype kPreviewMaxChars = 128 * 1024;

// The field's text for the lines read: one paragraph a line. A lone LF stays inside its
// line, shown as the control picture ␊, and NUL as ␀ (the field cannot show either).
QString preview_field_text(const QStringList& lines);

class Preview {
public:
    explicit Preview(WindowContext& context);
    void on_selection_changed();

private:
    WindowContext& m_context;
};

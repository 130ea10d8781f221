#include "preview.h"

#include "app_state.h"
#include "dialogs.h"
#include "file_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "paths.h"
#include "preview_lines.h"
#include "visible_text.h"
#include "window_context.h"

#include <QPlainTextEdit>

namespace {

const QString kNoSuchFile = QStringLiteral("ファイルが存在しません");

} // namespace

QString unreadable_text(const QString& path, FileFailure failure)
{
    QString reason;
    switch (failure) {
    case FileFailure::NoPermission:
        reason = QStringLiteral("読み取りの権限がありません。");
        break;
    case FileFailure::NotRegularFile:
        reason = QStringLiteral("通常のファイルではありません。");
        break;
    case FileFailure::None:
    case FileFailure::Missing:
    case FileFailure::TooLarge:
    case FileFailure::Other:
        reason = QStringLiteral("読み込み中にエラーが発生しました。");
        break;
    }
    return QStringLiteral("ファイルを読み込めませんでした。\r") + visible_controls(path) + QLatin1Char('\r')
           + reason;
}

QString preview_field_text(const QStringList& lines)
{
    // The field would cut the text at a NUL, so it is shown by its control picture. (A line
    // holds no line break: CR and LF both end lines.)
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        line.replace(QChar(0), QChar(0x2400));
        if (i > 0)
            text += QLatin1Char('\n');
        text += line;
    }
    return text;
}

Preview::Preview(WindowContext& context) : m_context(context)
{
    FileList* files = m_context.controls.File1;
    QObject::connect(files, &FileList::selection_changed, files, [this] { on_selection_changed(); });
}

void Preview::on_selection_changed()
{
    AppState& s = m_context.state;
    MainControls& c = m_context.controls;
    const QString name = c.File1->selected_name();
    if (name.isEmpty())
        return;

    c.Text1->clear();
    s.target_file = join_folder_file(c.File1->path(), name);

    // The field takes only so much (see preview_lines.h); past that it refuses the text.
    const PreviewLines read = read_preview_lines(s.target_file);
    if (read.result == PreviewLines::Result::CannotRead) {
        // Why, as the open itself found it: no second look that could see another file.
        const FileFailure failure = read.error.failure;
        if (failure == FileFailure::Missing) {
            m_context.dialogs.message(&m_context.window, kNoSuchFile);
            c.File1->refresh(); // the vanished name leaves the list
        } else {
            // Still there, so it stays listed and selected.
            m_context.dialogs.message(&m_context.window, unreadable_text(s.target_file, failure));
        }
        return;
    }

    show_target(c, s.target_file);

    if (read.result == PreviewLines::Result::TooLong) {
        m_context.dialogs.message(&m_context.window, kLineTooLongMessage);
        c.Text1->clear();
        return;
    }
    c.Text1->setPlainText(preview_field_text(read.lines));
}

#include "preview.h"

#include "app_state.h"
#include "file_list.h"
#include "main_controls.h"
#include "paths.h"
#include "preview_lines.h"
#include "window_messages.h"

#include <QPlainTextEdit>

QString preview_field_text(const QStringList& lines)
{
    // A line holds no line break: CR and LF both end lines.
    return lines.join(QLatin1Char('\n')).replace(QChar(0), QChar(0x2400));
}

Preview::Preview(AppState& state, const MainControls& controls, WindowDialogs dialogs)
    : m_state(state), m_controls(controls), m_dialogs(dialogs)
{
    QObject::connect(controls.File1, &FileList::selection_changed, controls.File1,
                     [this] { on_selection_changed(); });
}

void Preview::on_selection_changed()
{
    FileList* files = m_controls.File1;
    QPlainTextEdit* field = m_controls.Text1;
    const QString name = files->selected_name();
    if (name.isEmpty())
        return;

    field->clear();
    m_state.target_file = join_folder_file(files->path(), name);

    // The field takes only so much (see preview_lines.h); past that it refuses the text.
    const PreviewLines read = read_preview_lines(m_state.target_file);
    if (read.result == PreviewLines::Result::CannotRead) {
        // Why, as the open itself found it: no second look that could see another file.
        const FileFailure failure = read.error.failure;
        if (failure == FileFailure::Missing) {
            m_dialogs.tell(kNoSuchFileMessage);
            files->refresh(); // the vanished name leaves the list
        } else {
            // Still there, so it stays listed and selected.
            m_dialogs.tell(kUnreadableFileMessage.arg(visible_controls(m_state.target_file),
                                                      text_of(kFileReadReasons, failure)));
        }
        return;
    }

    target_display(m_controls).show(m_state.target_file);

    if (read.result == PreviewLines::Result::TooLong) {
        m_dialogs.tell(kLineTooLongMessage);
        field->clear();
        return;
    }
    field->setPlainText(preview_field_text(read.lines));
}

#include "play_list_panel.h"

#include "album_file.h"
#include "app_state.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "messages.h"
#include "play_list.h"
#include "play_list_view.h"
#include "window_messages.h"

#include <QFileInfo>
#include <QPushButton>

namespace {
const QString kSaveTitle = QStringLiteral("アルバムファイルの保存");
const QString kSaveFilter = QStringLiteral("RavuFilerアルバムファイル (*.alb)|*.alb");
const QString kAlbumExtension = QStringLiteral(".alb");

// Album mode lists "*.alb" only, so a name that does not end in it (also "best.v2") gets it.
QString with_album_extension(const QString& path)
{
    return path.endsWith(kAlbumExtension, Qt::CaseInsensitive) ? path : path + kAlbumExtension;
}
} // namespace

PlayListPanel::PlayListPanel(AppState& state, const MainControls& controls, WindowDialogs dialogs)
    : m_state(state), m_controls(controls), m_dialogs(dialogs)
{
    QObject::connect(controls.Command5, &QPushButton::clicked, controls.Command5, [this] { add_list(); });
    QObject::connect(controls.Command6, &QPushButton::clicked, controls.Command6,
                     [this] { clear_list_asked(); });
    QObject::connect(controls.Command4, &QPushButton::clicked, controls.Command4, [this] { save_list(); });
    QObject::connect(controls.Command7, &QPushButton::clicked, controls.Command7, [this] { load_list(); });
    QObject::connect(controls.List1, &PlayListView::rows_dropped, controls.List1,
                     [this](const QList<int>& rows, int before) { move_rows(rows, before); });
}

void PlayListPanel::add_list()
{
    AppState& s = m_state;
    if (s.target_file.isEmpty()) {
        m_dialogs.tell(kSelectFileMessage);
        return;
    }
    if (s.play_list.list_count >= s.play_list.list_capacity) {
        m_dialogs.tell(kListFullMessage);
        return;
    }
    // The name comes from the file list; after a folder change nothing is selected there
    // although the target still names a file, and an empty entry would end the list.
    const QString name = m_controls.File1->selected_name();
    if (name.isEmpty()) {
        m_dialogs.tell(kSelectFileMessage);
        return;
    }
    if (!is_listable_name(name)) {
        m_dialogs.tell(kNameWithLineBreakMessage);
        return;
    }
    const int rows = m_controls.List1->count();
    if (add_entry(s.play_list, name)) {
        m_controls.List1->addItem(name);
        m_edited(rows_kept(rows));
    } else {
        m_dialogs.tell(kListFullMessage);
    }
}

void PlayListPanel::clear_list()
{
    const int rows = m_controls.List1->count();
    clear_entries(m_state.play_list);
    m_controls.List1->clear();
    m_edited(QList<int>(rows, -1));
}

void PlayListPanel::clear_list_asked()
{
    if (m_state.play_list.in_use() && m_dialogs.confirmed(kListInvalidQuestion))
        clear_list();
}

void PlayListPanel::save_list()
{
    AppState& s = m_state;
    if (!s.play_list.in_use()) {
        m_dialogs.tell(kListEmptyMessage);
        return;
    }
    const std::optional<QString> chosen = ask_album_path();
    if (!chosen)
        return;
    s.album_file = *chosen;
    m_last_album_name = QFileInfo(s.album_file).fileName();
    // The album replaces the old file only once it is written whole.
    QString reason;
    if (write_album(s.album_file, s.play_list, &reason))
        m_dialogs.tell(kAlbumWrittenMessage.arg(s.album_file));
    else
        m_dialogs.tell(with_reason(kAlbumNotWrittenMessage.arg(s.album_file), reason));
    s.album_file.clear();
}

std::optional<QString> PlayListPanel::ask_album_path()
{
    // Starts in the folder shown and offers the name chosen the time before.
    FileDialogRequest request{kSaveTitle, kSaveFilter, m_controls.Dir1->path(), m_last_album_name};
    for (;;) {
        const std::optional<QString> chosen = m_dialogs.dialogs.save_file(m_dialogs.parent, request);
        if (!chosen) {
            m_dialogs.tell(kNoFileChosenMessage);
            return std::nullopt;
        }
        // A path that ends in a separator names a folder, not a file.
        if (chosen->isEmpty() || QFileInfo(*chosen).fileName().isEmpty()) {
            m_dialogs.tell(kNoFileNameMessage);
            return std::nullopt;
        }
        // The name is only complete once the extension is added, so the dialog cannot ask
        // about replacing a file itself.
        const QString path = with_album_extension(*chosen);
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return path;
        if (m_dialogs.confirmed(kAlbumExistsQuestion.arg(info.fileName()), MessageAnswer::No))
            return path;
        // Back to the dialog, where the user left it.
        request.initial_folder = info.absolutePath();
        request.initial_name = info.fileName();
    }
}

void PlayListPanel::load_list()
{
    AppState& s = m_state;
    if (s.target_file.isEmpty()) {
        m_dialogs.tell(kSelectFileMessage);
        return;
    }
    clear_list();
    const AlbumLines album = read_album(s.target_file, s.play_list.list_capacity);
    m_controls.List1->addItems(load_entries(s.play_list, album.lines));
    m_edited({});
    // What was read before the failure stays in the list.
    if (!album.ok)
        m_dialogs.tell(kAlbumNotReadMessage.arg(s.target_file));
}

bool PlayListPanel::can_remove() const { return !m_controls.List1->selected_rows().isEmpty(); }

bool PlayListPanel::can_move(int step) const
{
    return can_move_entries(m_controls.List1->count(), m_controls.List1->selected_rows(), step);
}

void PlayListPanel::remove_selected()
{
    if (can_remove())
        apply(
            remove_entries(m_state.play_list, m_controls.List1->count(), m_controls.List1->selected_rows()));
}

void PlayListPanel::move_selected(int step)
{
    if (can_move(step))
        apply(move_entries(m_state.play_list, m_controls.List1->count(), m_controls.List1->selected_rows(),
                           step));
}

void PlayListPanel::move_rows(const QList<int>& rows, int before)
{
    apply(move_entries_before(m_state.play_list, m_controls.List1->count(), rows, before));
}

// List1 shows the entries again, one row each, with the rows the edit selects.
void PlayListPanel::apply(const ListEdit& edit)
{
    PlayListView* list = m_controls.List1;
    const int rows = m_state.play_list.list_count;
    while (list->count() > rows)
        delete list->takeItem(list->count() - 1);
    for (int row = 0; row < rows; ++row)
        list->item(row)->setText(m_state.play_list.list_entries[row]);
    list->select_rows(edit.selected);
    m_edited(edit.moved_to);
}

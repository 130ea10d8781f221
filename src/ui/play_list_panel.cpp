#include "play_list_panel.h"

#include "album_file.h"
#include "app_state.h"
#include "dialogs.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "messages.h"
#include "play_list.h"
#include "window_context.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

namespace {
const QString kSaveTitle = QStringLiteral("アルバムファイルの保存");
const QString kSaveFilter = QStringLiteral("RavuFilerアルバムファイル (*.alb)|*.alb");
const QString kNoFileName = QStringLiteral("ファイル名が指定されませんでした");
const QString kWritten = QStringLiteral("にリストを書き込みました");
const QString kNotWritten = QStringLiteral("にリストを書き込めませんでした");
const QString kNotRead = QStringLiteral("からリストを読み込めませんでした");
const QString kAlbumExtension = QStringLiteral(".alb");

// Album mode lists "*.alb" only, so a name that does not end in it (also "best.v2") gets it.
QString with_album_extension(const QString& path)
{
    if (path.endsWith(kAlbumExtension, Qt::CaseInsensitive))
        return path;
    return path + kAlbumExtension;
}
} // namespace

PlayListPanel::PlayListPanel(WindowContext& context) : m_context(context)
{
    MainControls& c = m_context.controls;
    MainWindow& window = m_context.window;
    QObject::connect(c.Command5, &QPushButton::clicked, c.Command5, [&window] { window.add_list(); });
    QObject::connect(c.Command4, &QPushButton::clicked, c.Command4, [&window] { window.save_list(); });
    QObject::connect(c.Command7, &QPushButton::clicked, c.Command7, [&window] { window.load_list(); });
}

void PlayListPanel::message(const QString& text) { m_context.dialogs.message(&m_context.window, text); }

void PlayListPanel::add_list()
{
    AppState& s = m_context.state;
    if (s.target_file.isEmpty()) {
        message(kSelectFileMessage);
        return;
    }
    if (s.play_list.list_count >= s.play_list.list_capacity) {
        message(kListFullMessage);
        return;
    }
    // The name comes from the file list; after a folder change nothing is selected there
    // although the target still names a file, and an empty entry would end the list.
    const QString name = m_context.controls.File1->selected_name();
    if (name.isEmpty()) {
        message(kSelectFileMessage);
        return;
    }
    if (!is_listable_name(name)) {
        message(kNameWithLineBreakMessage);
        return;
    }
    if (add_entry(s.play_list, name))
        m_context.controls.List1->addItem(name);
    else
        message(kListFullMessage);
}

void PlayListPanel::clear_list()
{
    clear_entries(m_context.state.play_list);
    m_context.controls.List1->clear();
}

void PlayListPanel::save_list()
{
    AppState& s = m_context.state;
    if (!s.play_list.in_use()) {
        message(kListEmptyMessage);
        return;
    }
    // Starts in the folder shown and offers the name chosen the time before.
    const FileDialogRequest request{kSaveTitle, kSaveFilter, m_context.controls.Dir1->path(),
                                    m_last_album_name};
    const std::optional<QString> chosen = m_context.dialogs.save_file(&m_context.window, request);
    if (!chosen) {
        message(kNoFileChosenMessage);
        return;
    }
    // A path that ends in a separator names a folder, not a file.
    if (chosen->isEmpty() || QFileInfo(*chosen).fileName().isEmpty()) {
        message(kNoFileName);
        return;
    }
    s.album_file = with_album_extension(*chosen);
    m_last_album_name = QFileInfo(s.album_file).fileName();
    // The album replaces the old file only once it is written whole.
    if (write_album(s.album_file, s.play_list))
        message(s.album_file + kWritten);
    else
        message(s.album_file + kNotWritten);
    s.album_file.clear();
}

void PlayListPanel::load_list()
{
    AppState& s = m_context.state;
    if (s.target_file.isEmpty()) {
        message(kSelectFileMessage);
        return;
    }
    clear_list();
    const AlbumLines album = read_album(s.target_file, usable_capacity(s.play_list));
    m_context.controls.List1->addItems(load_entries(s.play_list, album.lines));
    // What was read before the failure stays in the list.
    if (!album.ok)
        message(s.target_file + kNotRead);
}

#include "live_view.h"

#include "app_state.h"
#include "drive_list.h"
#include "file_list.h"
#include "folder_list.h"
#include "folder_watch.h"
#include "main_controls.h"
#include "preview.h"
#include "preview_lines.h"
#include "system_services.h"
#include "window_messages.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// A save through a temporary file and a rename comes as a few events within milliseconds;
// the preview waits for them to settle. The lists follow a long copy while it goes on.
constexpr int kPreviewSettleMs = 250;
constexpr int kListSettleMs = 100;
// Without the system's watches the shown folders and the target are looked at this often.
constexpr int kLookMs = 2000;

QString clean(const QString& path) { return path.isEmpty() ? QString() : QDir::cleanPath(path); }

QString folder_of(const QString& file) { return file.isEmpty() ? QString() : QFileInfo(file).absolutePath(); }

QTimer* settle_timer(QObject* parent, int ms)
{
    auto* timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(ms);
    return timer;
}

} // namespace

LiveView::LiveView(AppState& state, const MainControls& controls, SystemServices& system, QObject* parent)
    : QObject(parent), m_state(state), m_controls(controls), m_system(system), m_watch(new FolderWatch(this)),
      m_list_settle(settle_timer(this, kListSettleMs)),
      m_preview_settle(settle_timer(this, kPreviewSettleMs)), m_poll(new QTimer(this))
{
    m_poll->setInterval(kLookMs);
    connect(m_poll, &QTimer::timeout, this, &LiveView::poll);
    const MainControls& c = m_controls;
    connect(m_watch, &FolderWatch::folder_changed, this, &LiveView::on_folder_changed);
    connect(m_watch, &FolderWatch::file_changed, this, &LiveView::on_file_changed);
    connect(m_watch, &FolderWatch::mounts_changed, c.Drive1, &DriveList::refresh_drives);
    connect(m_list_settle, &QTimer::timeout, this, &LiveView::relist);
    connect(m_preview_settle, &QTimer::timeout, this,
            [this] { reread_preview(std::exchange(m_target_written, false)); });
    // After the folder rule and the preview have done their part.
    connect(c.Dir1, &FolderList::path_changed, this, &LiveView::follow);
    connect(c.File1, &FileList::selection_changed, this, &LiveView::follow_target);
    follow();
}

// Watches the folder the folder list shows, the one the file list shows (the same but
// for a moment), and the target with its folder, where a save by rename shows.
void LiveView::follow()
{
    const MainControls& c = m_controls;
    if (m_state.target_file != m_target)
        m_target.clear(); // given up elsewhere (mode change, delete, rename)
    // The shown folder's own removal or rename shows as a change of its parent as well, on
    // systems whose watcher tells nothing once a watched folder itself is gone.
    const QString shown = c.Dir1->path();
    const QString parent = clean(folder_of(shown)) == clean(shown) ? QString() : folder_of(shown);
    if (m_watch->watch({shown, c.File1->path(), parent, folder_of(m_target)}, {m_target})) {
        m_poll->stop();
        m_looks.clear();
        return;
    }
    if (!std::exchange(m_watch_told, true))
        notice(kNoWatchesNotice);
    // Looked at from now on; what was looked at before keeps its last look.
    QHash<QString, Look> looks;
    for (const QString& path : {c.Dir1->path(), c.File1->path(), m_target})
        if (!path.isEmpty())
            looks.insert(path, m_looks.value(path, look_at(path)));
    m_looks = looks;
    if (!m_poll->isActive())
        m_poll->start();
}

// One stat a path: a folder's times change when an entry comes or goes.
LiveView::Look LiveView::look_at(const QString& path)
{
    const QFileInfo info(QDir::fromNativeSeparators(path));
    if (!info.exists())
        return {};
    return {true, info.lastModified(), info.metadataChangeTime()};
}

void LiveView::poll()
{
    for (auto it = m_looks.begin(); it != m_looks.end(); ++it) {
        const Look now = look_at(it.key());
        if (now == it.value())
            continue;
        it.value() = now;
        if (it.key() == m_target)
            on_file_changed(m_target);
        else
            on_folder_changed(it.key(), {});
    }
}

void LiveView::notice(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\r'), QLatin1Char(' '));
    m_controls.panels[1]->setText(line); // the panel's tooltip shows a line too long for it
}

void LiveView::follow_target()
{
    m_target = m_state.target_file;
    m_target_state = regular_file_identity(m_target);
    m_target_written = false;
    if (!m_told.isEmpty())
        notice({}); // about the target before
    m_told.clear();
    follow();
}

void LiveView::on_folder_changed(const QString& folder, const QStringList& names)
{
    const QString changed = clean(folder);
    const MainControls& c = m_controls;
    const QString shown = clean(c.File1->path());
    if (changed == shown || changed == clean(c.Dir1->path())) {
        if (names.isEmpty() || changed != shown || shown != clean(c.Dir1->path()))
            m_read_whole = true;
        else
            m_changed.unite(QSet<QString>(names.begin(), names.end()));
        if (!m_list_settle->isActive())
            m_list_settle->start();
    } else if (!changed.isEmpty() && changed == clean(folder_of(c.Dir1->path()))) {
        // Perhaps the shown folder went: the settled re-list looks, and reads nothing else.
        if (!m_list_settle->isActive())
            m_list_settle->start();
    }
    const QString target_folder = clean(folder_of(m_target));
    if (!m_target.isEmpty() && changed == target_folder
        && (names.isEmpty() || names.contains(QFileInfo(m_target).fileName())))
        m_preview_settle->start();
}

void LiveView::on_file_changed(const QString& file)
{
    if (m_target.isEmpty() || clean(file) != clean(m_target))
        return;
    m_target_written = true;
    m_preview_settle->start();
}

bool LiveView::relist_pending() const { return m_list_settle->isActive(); }

void LiveView::relist()
{
    m_list_settle->stop();
    if (leave_gone_folder())
        return;
    const bool whole = std::exchange(m_read_whole, false);
    const QStringList changed(m_changed.begin(), m_changed.end());
    m_changed.clear();
    FileList* files = m_controls.File1;
    if (whole) {
        relist_folders(nullptr);
        files->relist();
    } else if (!changed.isEmpty()) {
        relist_folders(&changed);
        files->relist(changed);
    }
    follow();
}

// Refilled only when its subfolders changed (changed: the entries heard of, or null when
// not known), keeping the row the user is on.
void LiveView::relist_folders(const QStringList* changed)
{
    FolderList* list = m_controls.Dir1;
    const QString open = list->path();
    QStringList listed;
    bool below = false;
    for (int row = 0; row < list->count(); ++row) {
        const QString folder = list->item(row)->data(Qt::UserRole).toString();
        if (below)
            listed << QFileInfo(folder).fileName();
        below = below || folder == open;
    }
    // With the names known, only one that is a folder now, or was one, changes the list.
    if (changed && std::none_of(changed->begin(), changed->end(), [&](const QString& name) {
            return listed.contains(name) || QFileInfo(QDir(open).filePath(name)).isDir();
        }))
        return;
    QStringList now = m_system.folder_entries(open, EntryKinds::Folders).folders;
    std::sort(listed.begin(), listed.end());
    std::sort(now.begin(), now.end());
    if (listed == now)
        return;
    const QString current =
        list->currentItem() ? list->currentItem()->data(Qt::UserRole).toString() : QString();
    list->refresh();
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->data(Qt::UserRole).toString() == current)
            list->setCurrentRow(row);
}

void LiveView::reread_preview(bool forced)
{
    AppState& s = m_state;
    const MainControls& c = m_controls;
    if (m_target.isEmpty() || s.target_file != m_target)
        return follow();
    const std::optional<FileIdentity> state = regular_file_identity(m_target);
    if (!forced && state == m_target_state)
        return follow(); // another file of its folder changed
    m_target_state = state;

    const PreviewLines read = read_preview_lines(m_target);
    if (read.result == PreviewLines::Result::CannotRead && read.error.failure == FileFailure::Missing) {
        // Still gone once the burst settled: given up as a deleted target is. The user
        // removed it, so nothing is told; the file list drops its name by itself.
        s.target_file.clear();
        target_display(c).show(s.target_file);
        c.Text1->clear();
        return follow();
    }
    if (read.result == PreviewLines::Result::CannotRead)
        show_preview_failure(kUnreadableFileMessage.arg(visible_controls(m_target),
                                                        text_of(kFileReadReasons, read.error.failure)));
    else if (read.result == PreviewLines::Result::TooLong)
        show_preview_failure(kLineTooLongMessage);
    else {
        m_told.clear();
        QScrollBar* down = c.Text1->verticalScrollBar();
        QScrollBar* across = c.Text1->horizontalScrollBar();
        const int line = down->value();
        const int column = across->value();
        c.Text1->setPlainText(preview_field_text(read.lines));
        down->setValue(std::min(line, down->maximum()));
        across->setValue(std::min(column, across->maximum()));
    }
    follow();
}

// Told in the status bar, since the user asked for nothing: a box would come out of the blue
// (and again with each save of an editor). A click on the name still gives the box.
void LiveView::show_preview_failure(const QString& text)
{
    m_controls.Text1->clear();
    if (text == m_told)
        return;
    m_told = text;
    notice(text);
}

// The shown folder removed or renamed: the lists go where they can, and say so.
bool LiveView::leave_gone_folder()
{
    const QString shown = m_controls.Dir1->path();
    if (shown.isEmpty() || QFileInfo(QDir::fromNativeSeparators(shown)).isDir())
        return false;
    m_read_whole = false;
    m_changed.clear();
    const bool had_list = m_state.play_list.in_use();
    emit folder_gone(shown);
    const QString now = m_controls.Dir1->path();
    if (now == shown)
        return false;
    const bool list_cleared = had_list && !m_state.play_list.in_use();
    notice(kFolderGoneNotice.arg(visible_controls(shown), visible_controls(now))
           + (list_cleared ? kListClearedNotice : QString()));
    follow();
    return true;
}

#include "drop_target.h"

#include "app_state.h"
#include "file_list.h"
#include "selection_mode.h"
#include "window_messages.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <utility>

namespace {

QString folder_of(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absolutePath()); }

QStringList local_paths(const QMimeData* data)
{
    QStringList paths;
    if (data && data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                paths << QDir::toNativeSeparators(QDir::cleanPath(url.toLocalFile()));
    return paths;
}

bool same_folder(const QString& a, const QString& b)
{
    return a == b
           || (QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath() && QFileInfo::exists(a));
}

} // namespace

DropTarget::DropTarget(AppState& state, FileList* files, const WindowDialogs& dialogs,
                       std::function<void()> add_list, std::function<bool(const QString&)> go_to_folder,
                       QWidget& window)
    : QObject(&window), m_state(state), m_files(files), m_dialogs(dialogs), m_add_list(std::move(add_list)),
      m_go_to_folder(std::move(go_to_folder))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = local_paths(drop->mimeData());
    // Only as a copy: a file manager that moves would take the dropped files away.
    if (paths.isEmpty() || !(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // Handled once the drop is over, so no box holds up the file manager's drag.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, paths] { take(paths); }, Qt::QueuedConnection);
    return true;
}

void DropTarget::take(const QStringList& paths)
{
    if (m_state.select_mode == kModeListSelect) {
        add_files(paths);
        return;
    }
    if (paths.size() != 1) {
        m_dialogs.tell(kOneDropOnlyMessage);
        return;
    }
    open_file(paths.first());
}

void DropTarget::refuse(const QString& path)
{
    m_dialogs.tell(kDropRefusedMessage.arg(visible_controls(QFileInfo(path).fileName()), m_files->pattern()));
}

// The row of a name in the file list, read again when the name came too recently.
int DropTarget::row_of(const QString& name)
{
    if (!m_files->names().contains(name))
        m_files->relist();
    return static_cast<int>(m_files->names().indexOf(name));
}

// The lists move to the file's folder as a double-click on the folder would move them (with
// the questions a play list in use asks), then the file is selected as a click selects it.
void DropTarget::open_file(const QString& path)
{
    if (!m_files->would_list(path))
        return refuse(path);
    const QString folder = folder_of(path);
    if (!same_folder(folder, m_files->path()) && !m_go_to_folder(folder))
        return;
    const int row = row_of(QFileInfo(path).fileName());
    if (row < 0)
        return refuse(path);
    m_files->clear_selection(); // so the file already selected is read afresh too
    m_files->select_index(row);
    m_files->scrollTo(m_files->model()->index(row, 0));
}

// Each as a click on it and "リスト選択" would add it; a full list is told once.
void DropTarget::add_files(const QStringList& paths)
{
    AppState& s = m_state;
    for (const QString& path : paths) {
        if (!m_files->would_list(path)) {
            refuse(path);
            continue;
        }
        const QString name = QFileInfo(path).fileName();
        if (!same_folder(folder_of(path), m_files->path())) {
            m_dialogs.tell(kDropFromOtherFolderMessage.arg(visible_controls(name)));
            continue;
        }
        const int row = row_of(name);
        if (row < 0) {
            refuse(path);
            continue;
        }
        if (s.play_list.list_count >= s.play_list.list_capacity) {
            m_add_list(); // says the list is full
            return;
        }
        m_files->clear_selection();
        m_files->select_index(row);
        m_add_list();
    }
}

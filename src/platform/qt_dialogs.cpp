#include "qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QSortFilterProxyModel>

namespace {

// "description|pattern|description|pattern…" as Qt name filters: each "description (pattern)"
// unless the description already names its pattern in parentheses.
QStringList qt_name_filters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& description = parts[i];
        // A last description without its pattern stays as it is.
        const QString named = i + 1 < parts.size() ? u'(' + parts[i + 1] + u')' : QString();
        filters << (named.isEmpty() || description.contains(named) ? description
                                                                   : description + u' ' + named);
    }
    return filters;
}

// Leaves out the files the user may not run (folders stay), while switched on.
class RunnableFiles final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void set_active(bool active)
    {
        m_active = active;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!m_active || !files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    bool m_active = true;
};

// The file dialog in either form: the chosen path, or nothing on cancel.
std::optional<QString> run_file_dialog(QWidget* parent, const FileDialogRequest& request,
                                       QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        // The caller may still change the name (an added extension), so the question would
        // come too early; replacing is the caller's decision.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    const QStringList filters = qt_name_filters(request.filter);
    if (request.programs_first && !filters.isEmpty()) {
        // Names cannot tell programs here, so the list is filtered on permissions (in Qt's
        // own dialog; a desktop's native one lists everything).
        auto* runnable = new RunnableFiles(&dialog);
        dialog.setProxyModel(runnable);
        QObject::connect(&dialog, &QFileDialog::filterSelected, runnable,
                         [runnable, first = filters.first()](const QString& selected) {
                             runnable->set_active(selected == first);
                         });
    }
    dialog.setNameFilters(filters);
    if (!request.initial_folder.isEmpty())
        dialog.setDirectory(request.initial_folder);
    if (!request.initial_name.isEmpty())
        dialog.selectFile(request.initial_name);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(files.first());
}

} // namespace

void QtDialogs::end_all()
{
    m_ended = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
}

MessageAnswer QtDialogs::message(QWidget* parent, const QString& text, MessageButtons buttons,
                                 MessageIcon icon, const QString& title, MessageAnswer default_answer)
{
    if (m_ended)
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? kProgramTitle : title);
    // CR LF and lone CR as the line feeds a Qt label shows.
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(default_answer == MessageAnswer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

std::optional<QString> QtDialogs::save_file(QWidget* parent, const FileDialogRequest& request)
{
    return m_ended ? std::nullopt : run_file_dialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtDialogs::open_file(QWidget* parent, const FileDialogRequest& request)
{
    return m_ended ? std::nullopt : run_file_dialog(parent, request, QFileDialog::AcceptOpen);
}

#include "qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QSortFilterProxyModel>

QString display_text(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QStringList qt_name_filters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (i + 1 >= parts.size()) {
            filters << description;
            break;
        }
        const QString& pattern = parts[i + 1];
        if (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters;
}

namespace {

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

// What both forms share: filters, starting folder and name.
void prepare(QFileDialog& dialog, const FileDialogRequest& request)
{
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
}

std::optional<QString> run(QFileDialog& dialog)
{
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
    box.setText(display_text(text));
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
    if (m_ended)
        return std::nullopt;
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The caller may still change the name (an added extension), so the question would come
    // too early; replacing is the caller's decision.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    prepare(dialog, request);
    return run(dialog);
}

std::optional<QString> QtDialogs::open_file(QWidget* parent, const FileDialogRequest& request)
{
    if (m_ended)
        return std::nullopt;
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, request);
    return run(dialog);
}

#include "qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

QString display_text(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString qt_name_filter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    QString description = filter.left(bar);
    const QString pattern = filter.mid(bar + 1);
    if (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
        return description;
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

MessageAnswer QtDialogs::message(QWidget* parent, const QString& text, MessageButtons buttons,
                                 MessageIcon icon, const QString& title, MessageAnswer default_answer)
{
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

std::optional<QString> QtDialogs::save_file(QWidget* parent, const SaveDialogRequest& request)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qt_name_filter(request.filter));
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

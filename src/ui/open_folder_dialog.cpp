#include "open_folder_dialog.h"

#include "fonts.h"
#include "recent_folders.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Completes folders, hidden ones included, and reads "~" as the home folder while splitting
// the typed path.
class FolderCompleter : public QCompleter {
public:
    explicit FolderCompleter(QObject* parent) : QCompleter(parent)
    {
        auto* model = new QFileSystemModel(this);
        model->setFilter(QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Drives);
        model->setRootPath(QString());
        setModel(model);
        setCompletionMode(QCompleter::PopupCompletion);
    }

    QStringList splitPath(const QString& path) const override
    {
        QString expanded = path;
        if (expanded == QStringLiteral("~") || expanded.startsWith(QStringLiteral("~/")))
            expanded = QDir::homePath() + expanded.mid(1);
        return QCompleter::splitPath(expanded);
    }
};

} // namespace

OpenFolderDialog::OpenFolderDialog(const QString& shown_folder, QWidget* parent)
    : QDialog(parent), m_shown_folder(shown_folder)
{
    setObjectName(QStringLiteral("OpenFolderDialog"));
    setWindowTitle(QStringLiteral("フォルダを開く"));
    setFont(proportional_japanese_font());
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("開くフォルダ(&N):"), this);
    layout->addWidget(label);
    Txt_Folder = new QLineEdit(this);
    Txt_Folder->setObjectName(QStringLiteral("Txt_Folder"));
    Txt_Folder->setMinimumWidth(420);
    Txt_Folder->setCompleter(new FolderCompleter(Txt_Folder));
    Txt_Folder->setText(shown_folder);
    Txt_Folder->selectAll();
    label->setBuddy(Txt_Folder);
    layout->addWidget(Txt_Folder);
    auto* buttons = new QDialogButtonBox(this);
    Cmd_OK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    Cmd_OK->setObjectName(QStringLiteral("Cmd_OK"));
    Cmd_OK->setDefault(true);
    Cmd_Cnl = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    Cmd_Cnl->setObjectName(QStringLiteral("Cmd_Cnl"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString OpenFolderDialog::folder() const
{
    return typed_folder(Txt_Folder->text(), QDir::homePath(), m_shown_folder);
}

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
QString home_expanded(const QString& path)
{
    if (path == QStringLiteral("~") || path.startsWith(QStringLiteral("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

class FolderCompleter : public QCompleter {
public:
    explicit FolderCompleter(QObject* parent) : QCompleter(parent), m_model(new QFileSystemModel(this))
    {
        m_model->setFilter(QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Drives);
        m_model->setRootPath(QString());
        setModel(m_model);
    }

    // The folder being typed in is read ahead, so its subfolders are there to complete.
    void read_ahead(const QString& typed)
    {
        const QString path = home_expanded(typed);
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0)
            m_model->index(slash == 0 ? QStringLiteral("/") : path.left(slash));
    }

    QStringList splitPath(const QString& path) const override
    {
        return QCompleter::splitPath(home_expanded(path));
    }

private:
    QFileSystemModel* m_model;
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
    auto* completer = new FolderCompleter(Txt_Folder);
    Txt_Folder->setCompleter(completer);
    connect(Txt_Folder, &QLineEdit::textChanged, completer,
            [completer](const QString& text) { completer->read_ahead(text); });
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

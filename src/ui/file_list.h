#pragma once
// The file list: the names of the files in one folder that match a pattern such as
// "*.txt;*.rav", sorted by name.

#include <QHash>
#include <QListView>
#include <QStringListModel>

class SystemServices;
struct ListingChange;

// The names as the list shows them: on one line, control characters made visible.
class FileNameModel : public QStringListModel {
public:
    QVariant data(const QModelIndex& index, int role) const override;
};

// A name that is not valid in the file system's encoding is listed decoded as CP932 and
// announced apart (foreign_name_selected), since that text does not reach the file.
class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    // Where the folder is read from; nothing is listed until this is called.
    void set_system(SystemServices& system) { m_system = &system; }

    QString path() const { return m_path; }
    QString pattern() const { return m_pattern; }
    // Whether the regular file at path, in whichever folder, is one this list shows by its
    // name (its pattern, no hidden names).
    bool would_list(const QString& path) const;

    // Each of these re-reads the folder, which drops the selection.
    void set_path(const QString& folder);
    void set_pattern(const QString& pattern);
    // Re-reads the folder; the selected name stays selected, unannounced, while it is listed.
    void refresh();
    // The same for a folder that changed a little: only the names that came or went move.
    void relist();
    // The same when the names that changed are known: only those are looked at.
    void relist(const QStringList& changed);

    QStringList names() const { return m_model.stringList(); }
    int selected_index() const; // -1 when nothing is selected
    QString selected_name() const;
    // The folder's own bytes of the name in a row when it is a foreign one, else empty.
    QByteArray foreign_name(int row) const { return m_foreign.value(row); }
    QByteArray selected_foreign_name() const { return foreign_name(selected_index()); }

    // Selects a row as a click would (tests and keyboard use it alike).
    void select_index(int index);
    // Drops the selection without announcing anything.
    void clear_selection();

signals:
    // A file was selected: a click on a name (also on the one already selected) or a
    // keyboard move of the selection.
    void selection_changed();
    // The same for a name that is not valid in the file system's encoding.
    void foreign_name_selected();
    // A file was double-clicked (or Enter pressed on it).
    void file_activated();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void reread();
    QStringList read_names(QList<QByteArray>& foreign) const; // matching names, unsorted
    void apply(const ListingChange& change);
    void announce_selection();

    SystemServices* m_system = nullptr;
    FileNameModel m_model;
    QHash<int, QByteArray> m_foreign; // row -> the folder's bytes of a foreign name
    QString m_path;
    QString m_pattern = QStringLiteral("*.txt;*.rav");
    bool m_rereading = false;
    bool m_selection_moved = false; // set when a selection change was announced
    // The user's clicks and keys (and select_index) counted, so a foreign name is announced
    // once for each: its message clears the selection, and nothing the box's closing does
    // may bring it back.
    quint64 m_action = 1;
    quint64 m_foreign_told = 0; // the action a foreign name was last announced for
};

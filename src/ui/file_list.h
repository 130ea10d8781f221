#pragma once
// The file list: the names of the files in one folder that match a pattern such as
// "*.txt;*.rav", sorted by name.

#include <QListView>
#include <QStringListModel>

class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    QString pattern() const { return m_pattern; }

    // Each of these re-reads the folder, which drops the selection.
    void set_path(const QString& folder);
    void set_pattern(const QString& pattern);
    void refresh();

    QStringList names() const { return m_model.stringList(); }
    int selected_index() const; // -1 when nothing is selected
    QString selected_name() const;

    // Selects a row as a click would (tests and keyboard use it alike).
    void select_index(int index);

signals:
    // A file was selected: a click on a name (also on the one already selected) or a
    // keyboard move of the selection.
    void selection_changed();
    // A file was double-clicked (or Enter pressed on it).
    void file_activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void reread();

    QStringListModel m_model;
    QString m_path;
    QString m_pattern = QStringLiteral("*.txt;*.rav");
    bool m_rereading = false;
    bool m_selection_moved = false; // set when a selection change was announced
};

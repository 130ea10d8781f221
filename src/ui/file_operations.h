#pragma once
// Edit, open folder, delete, refresh and rename of the selected file.

class QWidget;
struct WindowContext;

class FileOperations {
public:
    // Connects Command3 (edit), Command10 (open), Command9 (delete), Command11 (refresh)
    // and Command8 (rename).
    explicit FileOperations(WindowContext& context);

    void edit_file();
    void open_folder();
    void delete_file();
    void refresh_lists();
    void rename_file();

private:
    QWidget* parent_widget() const;

    WindowContext& m_context;
};

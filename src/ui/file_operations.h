#pragma once
// Edit, open folder, delete, refresh and rename of the selected file, and the offer to
// rename a file whose name is not valid in the file system's encoding.

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
    // A foreign name was selected: rename it to its CP932 reading when the user agrees,
    // or say that the name cannot be used.
    void offer_usable_name();

private:
    QWidget* parent_widget() const;

    WindowContext& m_context;
};

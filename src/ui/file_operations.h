#pragma once
// Edit, open folder, delete, refresh and rename of the selected file.

struct WindowContext;

class FileOperations {
public:
    explicit FileOperations(WindowContext& context);

private:
    WindowContext& m_context;
};

#include "file_operations.h"

#include "window_context.h"

FileOperations::FileOperations(WindowContext& context) : m_context(context) {}


#include "preview.h"

#include "window_context.h"

Preview::Preview(WindowContext& context) : m_context(context) {}

void Preview::on_selection_changed() {}

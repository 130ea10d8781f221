#include "window_frame.h"

#include "window_context.h"

WindowFrame::WindowFrame(WindowContext& context) : m_context(context) {}

void WindowFrame::apply_resize_rule() {}

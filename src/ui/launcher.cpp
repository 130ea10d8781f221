#include "launcher.h"

#include "window_context.h"

Launcher::Launcher(WindowContext& context) : m_context(context) {}

void Launcher::launch() {}
void Launcher::exec_ravu_api() {}
void Launcher::exec_ravu_alb() {}

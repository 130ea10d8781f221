#include "play_list_panel.h"

#include "window_context.h"

PlayListPanel::PlayListPanel(WindowContext& context) : m_context(context) {}

void PlayListPanel::add_list() {}
void PlayListPanel::clear_list() {}
void PlayListPanel::save_list() {}
void PlayListPanel::load_list() {}

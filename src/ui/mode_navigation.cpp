#include "mode_navigation.h"

#include "app_state.h"
#include "drive_list.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "window_context.h"

ModeNavigation::ModeNavigation(WindowContext& context) : m_context(context)
{
    MainControls& c = m_context.controls;
    QObject::connect(c.Dir1, &FolderList::path_changed, c.Dir1, [this] { folder_rule(); });
    QObject::connect(c.Drive1, &DriveList::drive_changed, c.Drive1, [this] { drive_rule(); });
}

void ModeNavigation::select_option(int) {}
void ModeNavigation::on_file_double_click() {}
void ModeNavigation::clear_list_asked() {}

// For now every folder change is accepted.
void ModeNavigation::folder_rule()
{
    MainControls& c = m_context.controls;
    c.File1->set_path(c.Dir1->path());
    m_context.state.current_folder = c.Dir1->path();
    c.Drive1->remember_folder(c.Dir1->path());
}

void ModeNavigation::drive_rule()
{
    MainControls& c = m_context.controls;
    m_context.state.current_folder = c.Dir1->path();
    if (!c.Dir1->set_path(c.Drive1->current_folder_of(c.Drive1->drive())))
        c.Dir1->set_path(m_context.state.current_folder);
}

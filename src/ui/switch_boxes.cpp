#include "switch_boxes.h"

#include "app_state.h"
#include "main_controls.h"
#include "main_window.h"
#include "settings.h"
#include "settings_writes.h"
#include "window_context.h"

#include <QCheckBox>

namespace {

struct SwitchBox {
    QCheckBox* MainControls::*box;
    QString AppState::*field;
    const char* text;
    const char* key;
};

const SwitchBox kBoxes[4] = {
    {&MainControls::Check1, &AppState::play_switch, "*P", "PlayOpt"},
    {&MainControls::Check2, &AppState::end_switch, "*E", "EndOpt"},
    {&MainControls::Check3, &AppState::exit_switch, "*X", "ExitOpt"},
    {&MainControls::Check4, &AppState::icon_switch, "*I", "IconOpt"},
};

} // namespace

SwitchBoxes::SwitchBoxes(WindowContext& context) : m_context(context)
{
    for (int i = 0; i < 4; ++i) {
        QCheckBox* box = m_context.controls.*kBoxes[i].box;
        // clicked: only the user's clicks; start-up calls update() itself.
        QObject::connect(box, &QCheckBox::clicked, box, [this, i] { update(i); });
    }
}

void SwitchBoxes::update(int box)
{
    const SwitchBox& b = kBoxes[box];
    QCheckBox* check = m_context.controls.*b.box;
    const QString value = check->checkState() == Qt::Checked ? QString::fromLatin1(b.text) : QString();
    m_context.state.*b.field = value;
    store_setting(m_context.state, m_context.dialogs, &m_context.window, QString::fromLatin1(b.key), value);
}

void SwitchBoxes::apply_stored()
{
    for (int i = 0; i < 4; ++i) {
        const SwitchBox& b = kBoxes[i];
        const QString stored = read_setting(m_context.state.ini_path, QString::fromLatin1(b.key));
        if (stored == kMissing)
            continue; // the empty switch from start-up step 6 stays
        m_context.state.*b.field = stored;
        if (!stored.isEmpty()) {
            (m_context.controls.*b.box)->setChecked(true);
            update(i);
        }
    }
}

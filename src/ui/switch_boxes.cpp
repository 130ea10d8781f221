#include "switch_boxes.h"

#include "app_state.h"
#include "settings.h"
#include "settings_keys.h"
#include "settings_writes.h"

#include <QCheckBox>

namespace {

struct Switch {
    QString AppState::*field;
    const QString& text;
    const QString& key;
};

const Switch kSwitches[4] = {
    {&AppState::play_switch, kPlaySwitch, kPlaySwitchKey},
    {&AppState::end_switch, kEndSwitch, kEndSwitchKey},
    {&AppState::exit_switch, kExitSwitch, kExitSwitchKey},
    {&AppState::icon_switch, kIconSwitch, kIconSwitchKey},
};

} // namespace

SwitchBoxes::SwitchBoxes(AppState& state, const std::array<QCheckBox*, 4>& boxes, WindowDialogs dialogs)
    : m_state(state), m_boxes(boxes), m_dialogs(dialogs)
{
    for (int i = 0; i < 4; ++i) {
        // clicked: only the user's clicks; start-up calls update() itself.
        QObject::connect(m_boxes[i], &QCheckBox::clicked, m_boxes[i], [this, i] { update(i); });
    }
}

void SwitchBoxes::update(int box)
{
    const Switch& s = kSwitches[box];
    const QString value = m_boxes[box]->checkState() == Qt::Checked ? s.text : QString();
    m_state.*s.field = value;
    store_setting(m_state, m_dialogs.dialogs, m_dialogs.parent, s.key, value);
}

void SwitchBoxes::apply_stored()
{
    for (int i = 0; i < 4; ++i) {
        const Switch& s = kSwitches[i];
        const QString stored = read_setting(m_state.ini_path, s.key);
        if (stored == kMissing)
            continue; // the empty switch of a fresh start stays
        m_state.*s.field = stored;
        if (!stored.isEmpty()) {
            m_boxes[i]->setChecked(true);
            update(i);
        }
    }
}

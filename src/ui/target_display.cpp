#include "target_display.h"

#include "main_controls.h"
#include "visible_text.h"

#include <QLabel>
#include <QPlainTextEdit>

void TargetDisplay::show(const QString& target_file) const
{
    const QString text = kTargetPrefix + visible_controls(target_file);
    label->setText(text);
    panel->setText(text);
    if (target_file.isEmpty() && preview)
        preview->clear();
}

TargetDisplay target_display(const MainControls& controls)
{
    return {controls.Label3, controls.panels[0], controls.Text1};
}

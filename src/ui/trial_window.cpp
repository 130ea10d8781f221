#include "trial_window.h"

#include "window_context.h"

TrialWindow::TrialWindow(WindowContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("試奏ウィンドウ（Ravu Filer）"));
}

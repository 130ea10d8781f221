#pragma once
// The modeless trial-play window: type tune text and play it with the definition file.

#include <QWidget>

struct WindowContext;

class TrialWindow : public QWidget {
    Q_OBJECT
public:
    explicit TrialWindow(WindowContext& context, QWidget* parent = nullptr);

private:
    WindowContext& m_context;
};

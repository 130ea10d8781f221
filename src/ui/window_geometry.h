#pragma once
// The main window's outer frame in the settings: restored at start-up as the frame it was
// when saved, also under a window manager, whose frame Qt learns only once the window has
// been shown; and written at shutdown.

#include "window_placement.h"

#include <QObject>

#include <functional>

class QWidget;
struct AppState;

class WindowGeometry : public QObject {
public:
    explicit WindowGeometry(QWidget& window);

    // Start-up: the stored frame, when wanted ("SvPosit" is "1"), key by key; a value that
    // would give a window that cannot be painted or seen counts as missing. Applied at once,
    // and once more when the window manager has put its frame around the window.
    void restore(const AppState& state);

    // Shutdown: "PreTop", "PreLeft", "PreHeight", "PreWidth", the outer frame in twips. A
    // minimised window is recorded with top 45000, a maximised one with -60, so that the
    // next start restores neither. store(key, value) writes one key.
    void save(const std::function<void(const QString&, const QString&)>& store) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QWidget& m_window;
    StoredFrame m_frame; // the usable stored values, in twips
    bool m_waiting_for_frame = false;
};

#include "window_geometry.h"

#include "app_state.h"
#include "settings.h"
#include "settings_keys.h"
#include "twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// Geometry keys hold the twips as decimal text, whole numbers without a decimal part.
QString twips_text(double twips)
{
    const float value = static_cast<float>(twips);
    if (value == static_cast<float>(static_cast<long long>(value)))
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 7);
}

// A stored geometry value, or nothing when it is missing or not a number.
std::optional<double> stored_twips(const QString& ini_path, const QString& key)
{
    const QString value = read_setting(ini_path, key);
    if (value == kMissing)
        return std::nullopt;
    bool ok = false;
    const float number = value.trimmed().toFloat(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

QRectF in_twips(const QRect& px)
{
    return {px_to_twips(px.x()), px_to_twips(px.y()), px_to_twips(px.width()), px_to_twips(px.height())};
}

} // namespace

WindowGeometry::WindowGeometry(QWidget& window) : m_window(window) {}

void WindowGeometry::restore(const AppState& state)
{
    // Not wanted, or a minimised or maximised window stored: the designed frame stays.
    if (!position_saved(state.save_position) || frame_not_restored(read_setting(state.ini_path, kTopKey)))
        return;
    const StoredFrame stored{.top = stored_twips(state.ini_path, kTopKey),
                             .left = stored_twips(state.ini_path, kLeftKey),
                             .height = stored_twips(state.ini_path, kHeightKey),
                             .width = stored_twips(state.ini_path, kWidthKey)};
    QList<QRectF> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << in_twips(screen->availableGeometry());
    m_frame = usable_frame(stored, in_twips(m_window.frameGeometry()), screens);
    if (!m_frame.top && !m_frame.left && !m_frame.height && !m_frame.width)
        return;
    apply();
    // Until the window is shown its frame is unknown and counts as none; the outer size
    // applied now would grow by the frame.
    m_waiting_for_frame = true;
    m_window.installEventFilter(this);
}

void WindowGeometry::apply()
{
    const QRect frame = m_window.frameGeometry();
    const QRect client = m_window.geometry();
    QRect wanted = frame;
    if (m_frame.top)
        wanted.moveTop(twips_to_px(*m_frame.top));
    if (m_frame.left)
        wanted.moveLeft(twips_to_px(*m_frame.left));
    if (m_frame.height)
        wanted.setHeight(twips_to_px(*m_frame.height));
    if (m_frame.width)
        wanted.setWidth(twips_to_px(*m_frame.width));
    // Placed by the client area, never by the frame's corner: the window manager then
    // keeps the client where it is asked to be and draws its frame around it, also when a
    // later resize goes to it. Before the window is shown the frame counts as none.
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    m_window.setGeometry(wanted.marginsRemoved(margins));
}

bool WindowGeometry::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    QWindow* handle = m_window.windowHandle();
    if (!m_waiting_for_frame || !handle)
        return QObject::eventFilter(watched, event);
    if (watched == &m_window && type == QEvent::Show)
        handle->installEventFilter(this); // the window system's events come to the handle
    // The frame is known once the window manager has framed the window, by the time the
    // window is first exposed; without a window manager there is none to wait for.
    if (watched == handle && (type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize)
        && m_window.isVisible() && m_window.frameGeometry().size() != m_window.size()) {
        m_waiting_for_frame = false;
        m_window.removeEventFilter(this);
        handle->removeEventFilter(this);
        apply();
    }
    return QObject::eventFilter(watched, event);
}

void WindowGeometry::save(const std::function<void(const QString&, const QString&)>& store) const
{
    const QRect frame = m_window.frameGeometry();
    QString top = twips_text(px_to_twips(frame.top()));
    if (m_window.isMinimized())
        top = kTopMinimised;
    else if (m_window.isMaximized())
        top = kTopMaximised;
    store(kTopKey, top);
    store(kLeftKey, twips_text(px_to_twips(frame.left())));
    store(kHeightKey, twips_text(px_to_twips(frame.height())));
    store(kWidthKey, twips_text(px_to_twips(frame.width())));
}

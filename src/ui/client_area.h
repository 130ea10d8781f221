#pragma once
// The main window's client area: keeps the status bar along its bottom edge and reports
// size changes and clicks on its free surface.

#include <QWidget>

class QStatusBar;

class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent = nullptr) : QWidget(parent) {}
    void set_status_bar(QStatusBar* bar) { m_status_bar = bar; }

signals:
    void resized();
    void free_surface_clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QStatusBar* m_status_bar = nullptr;
};

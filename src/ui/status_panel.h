#pragma once
// A panel of the main window's status bar.

#include <QFont>
#include <QLabel>

// A status-bar panel: shows its text in a font that fits the panel's height, a text too long
// for the panel shortened in the middle with "…"; text() and the tooltip keep the whole text.
class StatusPanel : public QLabel {
public:
    explicit StatusPanel(QWidget* parent);

    QString shown_text() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect text_area() const;

    QFont m_designed_font;
};

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
    // Asks for the width of its whole text (at least its minimum width) instead of taking
    // only what the status bar's stretch gives it.
    void set_sized_to_text(bool sized) { m_sized_to_text = sized; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect text_area() const;

    QFont m_designed_font;
    bool m_sized_to_text = false;
};

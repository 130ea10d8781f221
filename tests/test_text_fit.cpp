// Every caption whole in its control at the font the program picks, at the controls'
// designed sizes: measured against the style's text area, with each box's click area ending
// before the next control of its row; the status bar's text whole and shortened in the middle.

#include "browse_window.h"
#include "client_area.h"
#include "main_window_layout.h"
#include "options_dialog.h"
#include "rename_dialog.h"
#include "trial_window.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QToolTip>
#include <QtTest>

#include <cmath>

namespace {

// Where the style lays out a control's caption (its clip rectangle) and how it aligns it.
struct TextArea {
    QRect rect;
    int flags = Qt::AlignCenter;
};

QStyleOptionButton button_option(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (const auto* push = qobject_cast<const QPushButton*>(button); push && push->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    return option;
}

TextArea text_area(const QWidget* control)
{
    const QStyle* style = control->style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const QStyleOptionButton option = button_option(button);
        if (qobject_cast<const QCheckBox*>(button))
            return {style->subElementRect(QStyle::SE_CheckBoxContents, &option, button),
                    Qt::AlignLeft | Qt::AlignVCenter};
        if (qobject_cast<const QRadioButton*>(button))
            return {style->subElementRect(QStyle::SE_RadioButtonContents, &option, button),
                    Qt::AlignLeft | Qt::AlignVCenter};
        return {style->subElementRect(QStyle::SE_PushButtonContents, &option, button), Qt::AlignCenter};
    }
    const auto* label = qobject_cast<const QLabel*>(control);
    return {label->contentsRect(), int(label->alignment())};
}

QRect click_area(const QAbstractButton* box)
{
    const QStyleOptionButton option = button_option(box);
    const bool radio = qobject_cast<const QRadioButton*>(box) != nullptr;
    return box->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &option, box);
}

QRect indicator_of(const QAbstractButton* box)
{
    const QStyleOptionButton option = button_option(box);
    const bool radio = qobject_cast<const QRadioButton*>(box) != nullptr;
    return box->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, box);
}

QString caption(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return {};
}

// The pixels (at least a quarter covered) of the text as the style draws it in the area,
// drawn without the clip that would hide what does not fit; in the area's coordinates.
QRect ink_of(const QWidget* control, const QFont& font, const TextArea& area, const QString& text)
{
    const int pad = 4 * QFontMetrics(font).height();
    const qreal ratio = control->devicePixelRatioF();
    QImage image((area.rect.size() + QSize(2 * pad + QFontMetrics(font).horizontalAdvance(text), 2 * pad))
                     * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    control->style()->drawItemText(&painter, QRect(QPoint(pad, pad), area.rect.size()),
                                   area.flags | Qt::TextDontClip, QPalette(), true, text);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 64)
                ink |= QRect(int(std::floor(x / ratio)), int(std::floor(y / ratio)), 1, 1);
    return ink.translated(area.rect.topLeft() - QPoint(pad, pad));
}

QWidget* main_window_of(BrowseWindow& b) { return b.window.get(); }

} // namespace

class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void caption_fits_data();
    void caption_fits();
    void every_caption_is_measured();
    void top_row_hit_areas_data();
    void top_row_hit_areas();
    void status_bar_text();

private:
    // The window of that objectName, made afresh for each row.
    QWidget* window_named(const QString& name);
    void make_windows();

    std::unique_ptr<BrowseWindow> m_main;
    std::unique_ptr<OptionsDialog> m_options;
    std::unique_ptr<RenameDialog> m_rename;
    std::unique_ptr<TrialWindow> m_trial;
};

void TestTextFit::make_windows()
{
    m_trial.reset();
    m_rename.reset();
    m_options.reset();
    m_main = std::make_unique<BrowseWindow>();
    MainWindow& w = *m_main->window;
    m_options = std::make_unique<OptionsDialog>(w.state(), w.controls(), m_main->dialogs);
    m_rename = std::make_unique<RenameDialog>(w.context());
    m_trial = std::make_unique<TrialWindow>(w.context());
    for (QWidget* window : {static_cast<QWidget*>(m_options.get()), static_cast<QWidget*>(m_rename.get()),
                            static_cast<QWidget*>(m_trial.get())})
        window->show();
}

QWidget* TestTextFit::window_named(const QString& name)
{
    make_windows();
    const QList<QWidget*> windows{main_window_of(*m_main), m_options.get(), m_rename.get(), m_trial.get()};
    for (QWidget* window : windows)
        if (window->objectName() == name)
            return window;
    return nullptr;
}

// Every captioned control of every window.
QList<QPair<QString, QString>> captioned_controls()
{
    const struct {
        const char* window;
        QStringList controls;
    } windows[] = {
        {"Form1",
         {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8",
          "Command9", "Command10", "Command11", "Check1", "Check2", "Check3", "Check4", "Option1_0",
          "Option1_1", "Option1_2"}},
        {"Form2", {"Label1", "Label2", "Label3", "Command1", "Command2", "Command3", "Command4", "Check1"}},
        {"Form3", {"Cmd_OK", "Cmd_Cnl"}},
        {"Form4", {"Command1", "Command2"}},
    };
    QList<QPair<QString, QString>> all;
    for (const auto& w : windows)
        for (const QString& control : w.controls)
            all.append({QString::fromLatin1(w.window), control});
    return all;
}

void TestTextFit::caption_fits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("mode"); // option button to select first, -1 for none
    for (const auto& [window, control] : captioned_controls())
        QTest::addRow("%s %s", qPrintable(window), qPrintable(control)) << window << control << -1;
    // The start button's captions in the other modes.
    QTest::addRow("Form1 Command1 list") << QStringLiteral("Form1") << QStringLiteral("Command1") << 1;
    QTest::addRow("Form1 Command1 album") << QStringLiteral("Form1") << QStringLiteral("Command1") << 2;
}

void TestTextFit::caption_fits()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, mode);
    QWidget* top = window_named(window);
    QVERIFY(top);
    if (mode >= 0)
        m_main->click_option(mode);
    QWidget* widget = top->findChild<QWidget*>(control);
    QVERIFY(widget);

    const QString text = caption(widget);
    const TextArea area = text_area(widget);
    const QFontMetrics metrics(widget->font());
    const QRect ink = ink_of(widget, widget->font(), area, text);
    const QString where =
        QStringLiteral("%1: advance %2, ink (%3,%4)-(%5,%6) in area (%7,%8) %9x%10 at %11 px")
            .arg(text)
            .arg(metrics.horizontalAdvance(text))
            .arg(ink.left())
            .arg(ink.top())
            .arg(ink.right())
            .arg(ink.bottom())
            .arg(area.rect.left())
            .arg(area.rect.top())
            .arg(area.rect.width())
            .arg(area.rect.height())
            .arg(QFontInfo(widget->font()).pixelSize());
    QVERIFY2(metrics.horizontalAdvance(text) <= area.rect.width(), qPrintable(where));
    QVERIFY2(area.rect.contains(ink), qPrintable(where));
    QVERIFY2(widget->rect().contains(area.rect.intersected(ink)), qPrintable(where));
}

// No window shows a caption that the table leaves out (the status bar has a test of its own).
void TestTextFit::every_caption_is_measured()
{
    make_windows();
    const QList<QPair<QString, QString>> table = captioned_controls();
    for (QWidget* window : {main_window_of(*m_main), static_cast<QWidget*>(m_options.get()),
                            static_cast<QWidget*>(m_rename.get()), static_cast<QWidget*>(m_trial.get())}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool captioned = (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control))
                                   && !caption(control).isEmpty();
            if (!captioned || !control->isVisibleTo(window)
                || qobject_cast<QStatusBar*>(control->parentWidget()))
                continue;
            QVERIFY2(table.contains({window->objectName(), control->objectName()}),
                     qPrintable(window->objectName() + QLatin1Char(' ') + control->objectName()));
        }
    }
}

void TestTextFit::top_row_hit_areas_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("next"); // the control that begins to its right in the row
    const char* const row[] = {"Option1_0", "Option1_1", "Option1_2", "Check3", "Check4", "Check1", "Check2"};
    for (size_t i = 0; i < std::size(row); ++i)
        QTest::newRow(row[i]) << QString::fromLatin1(row[i])
                              << (i + 1 < std::size(row) ? QString::fromLatin1(row[i + 1]) : QString());
}

// Each box's click area ends before the next box begins, with more room between its caption
// and the next box than between its own indicator and caption; a click on its indicator or
// caption reaches it even where the designed rectangles overlap.
void TestTextFit::top_row_hit_areas()
{
    QFETCH(QString, control);
    QFETCH(QString, next);
    make_windows();
    ClientArea* client = m_main->controls().client;
    auto* box = client->findChild<QAbstractButton*>(control);
    QVERIFY(box);
    const QRect click = click_area(box).translated(box->pos());
    const TextArea area = text_area(box);
    const QRect ink = ink_of(box, box->font(), area, box->text()).translated(box->pos());
    if (!next.isEmpty()) {
        auto* neighbour = client->findChild<QWidget*>(next);
        QVERIFY(neighbour);
        QVERIFY2(click.right() < neighbour->x(),
                 qPrintable(QStringLiteral("click area ends at %1, %2 begins at %3")
                                .arg(click.right())
                                .arg(next)
                                .arg(neighbour->x())));
        const int own_gap = area.rect.left() - indicator_of(box).right() - 1;
        QVERIFY2(neighbour->x() - ink.right() - 1 > own_gap,
                 qPrintable(QStringLiteral("caption ends at %1, %2 begins at %3")
                                .arg(ink.right())
                                .arg(next)
                                .arg(neighbour->x())));
    }
    const QPoint indicator(click.left() + 3, click.center().y());
    QCOMPARE(client->childAt(indicator), box);
    QCOMPARE(client->childAt(ink.center()), box);
}

void TestTextFit::status_bar_text()
{
    BrowseWindow b;
    const QString name = QStringLiteral("gypsy_jig_quartet_in_pieces.rav");
    const QString folder_name = QStringLiteral("とても長い名前のフォルダに入った曲の集まり");
    const QString folder = b.make_folder(folder_name);
    b.write_file(folder_name + QLatin1Char('/') + name, "c4e4g4\r\n");
    b.open_folder(folder);
    b.click_file(name);
    const QString full = kTargetPrefix + QDir(folder).filePath(name);
    QCOMPARE(b.status_text(), full);

    auto* panel = dynamic_cast<StatusPanel*>(b.controls().panels[0]);
    QVERIFY(panel);
    const QString shown = panel->shown_text();
    QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.startsWith(kTargetPrefix));
    QVERIFY(shown.endsWith(QStringLiteral(".rav")));

    // Whole from the top of its tallest letter to the bottom of g, j, p, q, y.
    const TextArea area{panel->contentsRect(), Qt::AlignLeft | Qt::AlignVCenter};
    const QRect ink = ink_of(panel, panel->font(), area, shown);
    QVERIFY2(area.rect.contains(ink), qPrintable(QStringLiteral("ink rows %1-%2, panel rows %3-%4")
                                                     .arg(ink.top())
                                                     .arg(ink.bottom())
                                                     .arg(area.rect.top())
                                                     .arg(area.rect.bottom())));

    // The full text is its tooltip.
    QHelpEvent help(QEvent::ToolTip, panel->rect().center(), panel->mapToGlobal(panel->rect().center()));
    QApplication::sendEvent(panel, &help);
    QTRY_COMPARE(QToolTip::text(), full);
}

QTEST_MAIN(TestTextFit)
#include "test_text_fit.moc"

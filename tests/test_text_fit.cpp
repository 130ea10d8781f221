// Every caption whole in its control at the font the program picks, at the controls'
// designed sizes: measured against the style's text area, with each box's click area ending
// before the next control of its row; the status bar's text whole and shortened in the middle.

#include "client_area.h"
#include "main_window_layout.h"
#include "options_dialog.h"
#include "rename_dialog.h"
#include "started_window.h"
#include "status_panel.h"
#include "trial_window.h"

#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QToolTip>
#include <QtTest>

#include <cmath>

namespace {

// The four windows, made afresh.
struct Windows {
    StartedWindow main{StartOptions{.show = true}};
    OptionsDialog options{main.state(), main.controls(), main.dialogs, main.system.desktop_system()};
    RenameDialog rename{main.state(), main.controls().File1, target_display(main.controls()), main.dialogs};
    TrialWindow trial{main.state(), main.dialogs, main.system};

    QList<QWidget*> all() { return {main.window.get(), &options, &rename, &trial}; }
    QWidget* named(const QString& name)
    {
        for (QWidget* w : all())
            if (w->objectName() == name)
                return w;
        return nullptr;
    }
};

// A rectangle of a box (check box or option button) as the style reports it.
QRect box_part(const QAbstractButton* box, QStyle::SubElement check, QStyle::SubElement option)
{
    QStyleOptionButton o;
    o.initFrom(box);
    o.text = box->text();
    return box->style()->subElementRect(qobject_cast<const QRadioButton*>(box) ? option : check, &o, box);
}

// Where the style draws a control's caption (and clips it), and how it aligns it there.
struct TextArea {
    QRect rect;
    int flags = Qt::AlignCenter;
};

TextArea text_area(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return {label->contentsRect(), int(label->alignment())};
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
        return {box_part(button, QStyle::SE_CheckBoxContents, QStyle::SE_RadioButtonContents),
                Qt::AlignLeft | Qt::AlignVCenter};
    QStyleOptionButton o;
    o.initFrom(button);
    if (static_cast<const QPushButton*>(button)->autoDefault())
        o.features |= QStyleOptionButton::AutoDefaultButton;
    return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &o, button), Qt::AlignCenter};
}

QString caption(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return {};
}

// Where two pictures of the same size differ by text, in logical pixels: the pixels the
// text changes by at least a quarter as much as it changes any (as a glyph covering a quarter
// of a pixel does; fainter antialiased edges do not count, whatever the text's colour).
QRect text_pixels(const QImage& with, const QImage& without)
{
    const auto change = [&](int x, int y) {
        const QRgb a = with.pixel(x, y), b = without.pixel(x, y);
        return std::max(
            {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    int most = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            most = std::max(most, change(x, y));
    const qreal ratio = with.devicePixelRatio();
    QRect ink;
    for (int y = 0; most > 0 && y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (4 * change(x, y) >= most)
                ink |= QRect(int(std::floor(x / ratio)), int(std::floor(y / ratio)), 1, 1);
    return ink;
}

void set_caption(QWidget* control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
}

// The pixels the control's caption really covers as the control paints itself: those that
// differ from the control painted without it; in the control's coordinates. What the
// control's clip cuts off is not painted, so ink that reaches the clip's edge may be cut.
QRect painted_ink(QWidget* control)
{
    const QString text = caption(control);
    const QImage with = control->grab().toImage();
    set_caption(control, QString());
    const QImage without = control->grab().toImage();
    set_caption(control, text);
    return text_pixels(with, without);
}

// The size of the text's ink drawn whole, with no clip, in the control's font.
QSize free_ink_size(const QWidget* control, const QString& text)
{
    const QFontMetrics metrics(control->font());
    const qreal ratio = control->devicePixelRatioF();
    QImage blank(QSize(metrics.horizontalAdvance(text) + 8 * metrics.height(), 8 * metrics.height()) * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    blank.setDevicePixelRatio(ratio);
    blank.fill(Qt::white);
    QImage image = blank;
    QPainter painter(&image);
    painter.setFont(control->font());
    painter.setPen(Qt::black);
    painter.drawText(QPointF(4 * metrics.height(), 4 * metrics.height()),
                     QString(text).remove(QLatin1Char('&')));
    painter.end();
    return text_pixels(image, blank).size();
}

QString describe(const QRect& r)
{
    return QStringLiteral("(%1,%2)-(%3,%4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

// Every captioned control of every window.
QList<QPair<QString, QString>> captioned_controls()
{
    const QStringList main{"Command1", "Command2", "Command3", "Command4",  "Command5",  "Command6",
                           "Command7", "Command8", "Command9", "Command10", "Command11", "Check1",
                           "Check2",   "Check3",   "Check4",   "Option1_0", "Option1_1", "Option1_2"};
    const QList<QPair<QString, QStringList>> windows{
        {"Form1", main},
        {"Form2", {"Label1", "Label2", "Label3", "Command1", "Command2", "Command3", "Command4", "Check1"}},
        {"Form3", {"Cmd_OK", "Cmd_Cnl"}},
        {"Form4", {"Command1", "Command2"}},
    };
    QList<QPair<QString, QString>> all;
    for (const auto& [window, controls] : windows)
        for (const QString& control : controls)
            all.append({window, control});
    return all;
}

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
};

void TestTextFit::caption_fits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("mode"); // the option button selected first, -1 for none
    for (const auto& [window, control] : captioned_controls())
        QTest::addRow("%s %s", qPrintable(window), qPrintable(control)) << window << control << -1;
    // The start button's caption in the other modes.
    QTest::addRow("Form1 Command1 list") << QStringLiteral("Form1") << QStringLiteral("Command1") << 1;
    QTest::addRow("Form1 Command1 album") << QStringLiteral("Form1") << QStringLiteral("Command1") << 2;
}

// Its advance within the text area, its ink within the area the style clips it to.
void TestTextFit::caption_fits()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, mode);
    Windows w;
    if (mode >= 0)
        w.main.click_option(mode);
    QWidget* widget = w.named(window)->findChild<QWidget*>(control);
    QVERIFY(widget);
    const QString text = caption(widget);
    const TextArea area = text_area(widget);
    const int advance = QFontMetrics(widget->font()).horizontalAdvance(text);
    const QRect ink = painted_ink(widget);
    const int whole_height = free_ink_size(widget, text).height();
    const QString measured = QStringLiteral("%1 at %2 px: advance %3, ink %4 (whole: %5 high), area %6")
                                 .arg(text)
                                 .arg(QFontInfo(widget->font()).pixelSize())
                                 .arg(advance)
                                 .arg(describe(ink))
                                 .arg(whole_height)
                                 .arg(describe(area.rect));
    QVERIFY2(advance <= area.rect.width(), qPrintable(measured));
    // Painted whole: as tall as the text drawn with no clip, and off the right edge of its
    // clip (ink on the edge may go on past it).
    QVERIFY2(!ink.isEmpty() && ink.height() >= whole_height, qPrintable(measured));
    QVERIFY2(ink.right() < std::min(area.rect.right(), widget->rect().right()), qPrintable(measured));
}

// No window shows a caption that the table leaves out (the status bar has a test of its own).
void TestTextFit::every_caption_is_measured()
{
    Windows w;
    const QList<QPair<QString, QString>> table = captioned_controls();
    for (QWidget* window : w.all()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (caption(control).isEmpty() || !control->isVisibleTo(window)
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
    QTest::addColumn<QString>("next"); // the control that begins to its right
    const QStringList row{"Option1_0", "Option1_1", "Option1_2", "Check3", "Check4", "Check1", "Check2"};
    for (qsizetype i = 0; i < row.size(); ++i)
        QTest::newRow(qPrintable(row[i])) << row[i] << row.value(i + 1);
}

// Each box's click area ends before the next box begins, with more room between its caption
// and the next box than between its own indicator and caption; a click on its indicator or
// caption reaches it even where the designed rectangles overlap.
void TestTextFit::top_row_hit_areas()
{
    QFETCH(QString, control);
    QFETCH(QString, next);
    Windows w;
    ClientArea* client = w.main.controls().client;
    auto* box = client->findChild<QAbstractButton*>(control);
    QVERIFY(box);
    const QRect click =
        box_part(box, QStyle::SE_CheckBoxClickRect, QStyle::SE_RadioButtonClickRect).translated(box->pos());
    const QRect indicator =
        box_part(box, QStyle::SE_CheckBoxIndicator, QStyle::SE_RadioButtonIndicator).translated(box->pos());
    const TextArea area = text_area(box);
    const QRect ink = painted_ink(box).translated(box->pos());
    if (auto* neighbour = next.isEmpty() ? nullptr : client->findChild<QWidget*>(next)) {
        const QString measured = QStringLiteral("click area %1, caption %2, %3 begins at %4")
                                     .arg(describe(click), describe(ink), next)
                                     .arg(neighbour->x());
        QVERIFY2(click.right() < neighbour->x(), qPrintable(measured));
        const int own_gap = area.rect.left() + box->x() - indicator.right();
        QVERIFY2(neighbour->x() - ink.right() > own_gap, qPrintable(measured));
    }
    QCOMPARE(client->childAt(indicator.center()), box);
    QCOMPARE(client->childAt(ink.center()), box);
}

void TestTextFit::status_bar_text()
{
    StartedWindow b({.show = true});
    const QString name = QStringLiteral("gypsy_jig_quartet_in_pieces.rav");
    // Longer than the panel on every system, whatever the temporary folder's own length.
    const QString folder_name = QStringLiteral("とても長い名前のフォルダに入った曲の集まり").repeated(3);
    const QString folder = b.make_folder(folder_name);
    b.write_file(folder_name + QLatin1Char('/') + name, "c4e4g4\r\n");
    b.open_folder(folder);
    b.click_file(name);
    const QString full = kTargetPrefix + QDir::toNativeSeparators(QDir(folder).filePath(name));
    QCOMPARE(b.status_text(), full);

    // Shortened in the middle for the panel's width.
    auto* panel = dynamic_cast<StatusPanel*>(b.controls().panels[0]);
    QVERIFY(panel);
    const QString shown = panel->shown_text();
    QVERIFY2(shown.contains(QChar(0x2026)) && shown.startsWith(kTargetPrefix) && shown.endsWith(".rav"),
             qPrintable(shown));

    // Whole from the top of its tallest letter to the bottom of g, j, p, q, y.
    const QRect area = panel->contentsRect();
    const QRect ink = painted_ink(panel);
    const QString measured = describe(ink) + QStringLiteral(" in ") + describe(area);
    // Painted whole: at least as large as the text drawn with no clip.
    const QSize whole = free_ink_size(panel, shown);
    QVERIFY2(area.contains(ink) && ink.width() >= whole.width() && ink.height() >= whole.height(),
             qPrintable(measured));

    // The full text is its tooltip.
    QHelpEvent help(QEvent::ToolTip, panel->rect().center(), panel->mapToGlobal(panel->rect().center()));
    QApplication::sendEvent(panel, &help);
    QTRY_COMPARE(QToolTip::text(), full);
}

QTEST_MAIN(TestTextFit)
#include "test_text_fit.moc"

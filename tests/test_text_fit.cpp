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
    OptionsDialog options{main.state(), main.controls(), main.dialogs};
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

// The pixels (covered at least a quarter) of the text as the style draws it in the area, but
// without the clip that would hide what does not fit; in the control's coordinates.
QRect ink_of(const QWidget* control, const TextArea& area, const QString& text)
{
    const QFontMetrics metrics(control->font());
    const int pad = 4 * metrics.height();
    const qreal ratio = control->devicePixelRatioF();
    QImage image((area.rect.size() + QSize(2 * pad + metrics.horizontalAdvance(text), 2 * pad)) * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(control->font());
    control->style()->drawItemText(&painter, QRect(QPoint(pad, pad), area.rect.size()),
                                   area.flags | Qt::TextDontClip, QPalette(), true, text,
                                   QPalette::WindowText);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 64)
                ink |= QRect(int(std::floor(x / ratio)), int(std::floor(y / ratio)), 1, 1);
    return ink.translated(area.rect.topLeft() - QPoint(pad, pad));
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
    const QRect ink = ink_of(widget, area, text);
    const QString measured = QStringLiteral("%1 at %2 px: advance %3, ink %4, area %5")
                                 .arg(text)
                                 .arg(QFontInfo(widget->font()).pixelSize())
                                 .arg(advance)
                                 .arg(describe(ink), describe(area.rect));
    QVERIFY2(advance <= area.rect.width(), qPrintable(measured));
    QVERIFY2(area.rect.contains(ink) && widget->rect().contains(ink), qPrintable(measured));
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
    const QRect ink = ink_of(box, area, box->text()).translated(box->pos());
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
    const QString folder_name = QStringLiteral("とても長い名前のフォルダに入った曲の集まり");
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
    const TextArea area{panel->contentsRect(), Qt::AlignLeft | Qt::AlignVCenter};
    const QRect ink = ink_of(panel, area, shown);
    QVERIFY2(area.rect.contains(ink),
             qPrintable(describe(ink) + QStringLiteral(" in ") + describe(area.rect)));

    // The full text is its tooltip.
    QHelpEvent help(QEvent::ToolTip, panel->rect().center(), panel->mapToGlobal(panel->rect().center()));
    QApplication::sendEvent(panel, &help);
    QTRY_COMPARE(QToolTip::text(), full);
}

QTEST_MAIN(TestTextFit)
#include "test_text_fit.moc"

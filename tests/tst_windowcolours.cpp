// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows keep their own colours, readable, under a dark application palette.

#include "salary/form1.h"
#include "worksheetdriver.h"
#include "worksheets/form4.h"

#include <algorithm>
#include <cmath>

namespace {

// The contrast ratio of two colours by the Web Content Accessibility Guidelines, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](float c) { return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

const QColor teal(0, 192, 192);

} // namespace

class TestWindowColours : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QPalette dark = QApplication::palette();
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
            dark.setColor(role, QColor(35, 35, 35));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
            dark.setColor(role, Qt::white);
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        QApplication::setPalette(dark);
        QVERIFY(d.start());
    }
    void cleanupTestCase() { d.stop(); }

    void controlsKeepTheirColours_data()
    {
        // Control, colour group, foreground role and colour, background ("any": any), least contrast.
        QTest::addColumn<QStringList>("colours");
        const auto row = [](const char *tag, const char *colours) {
            QTest::newRow(tag) << WorksheetDriver::words(colours);
        };
        row("amount field: black on white", "frmmain.txtgs Active Text black Base white 7");
        row("result field: dark red on white", "frmmain.txtnsal Active Text #800000 Base white 7");
        row("result field of a window behind", "Form1.txtttlt Inactive Text #800000 Base white 7");
        row("arrears field: black on grey", "Form1.txtgp(1) Active Text black Base #e0e0e0 7");
        row("selected text in a field", "frmmain.txtgs Active HighlightedText any Highlight any 4.5");
        row("button: black on teal", "frmmain.cmdcalc Active ButtonText black Button #00c0c0 7");
        row("focus frame of a button against teal", "Form4.cmdtot Active Highlight any Button #00c0c0 3");
        row("check box: black on teal", "Form1.chkinc Active WindowText black Window #00c0c0 7");
        row("label: dark blue on teal", "frmmain.lblgsal Active WindowText #000080 Window #00c0c0 4.5");
        row("disabled button: grey on teal", "frmmain.cmdprint Disabled ButtonText any Button #00c0c0 3");
        row("disabled label: grey on teal", "Form4.lblrent Disabled WindowText any Window #00c0c0 3");
        row("disabled field: grey on white", "Form4.txtarv Disabled Text any Base white 4.5");
    }
    void controlsKeepTheirColours()
    {
        QFETCH(QStringList, colours);
        const QWidget *windows[] = {d.main.get(), d.main->form1.window(), d.main->form4.window()};
        const QWidget *widget = nullptr;
        for (const QWidget *window : windows)
            if (window->objectName() == colours[0].section(u'.', 0, 0))
                widget = window->findChild<QWidget *>(colours[0].section(u'.', 1));
        QVERIFY(widget);
        const int group = QMetaEnum::fromType<QPalette::ColorGroup>().keyToValue(qPrintable(colours[1]));
        const auto colour = [&](int at) {
            const int role = QMetaEnum::fromType<QPalette::ColorRole>().keyToValue(qPrintable(colours[at]));
            return widget->palette().color(QPalette::ColorGroup(group), QPalette::ColorRole(role));
        };
        const QColor text = colour(2), behind = colour(4);
        for (int at : {3, 5})
            if (colours[at] != u"any")
                QCOMPARE(colour(at - 1), QColor::fromString(colours[at]));
        QVERIFY2(contrast(text, behind) >= colours[6].toDouble(), qPrintable(QString::number(contrast(text, behind))));
    }

    // A style such as Fusion paints a gradient lightened from the button colour.
    void buttonIsFlatTealFramedByTheFocus()
    {
        QPushButton *exit = d.main->cmdexit;
        exit->setFocus(Qt::TabFocusReason);
        QVERIFY(exit->hasFocus());
        const QImage image = exit->grab().toImage();
        for (int y = 5; y < image.height() - 5; ++y) // left of the caption, inside the frame and edge
            QCOMPARE(image.pixelColor(6, y), teal);
        QCOMPARE(image.pixelColor(0, image.height() / 2), exit->palette().color(QPalette::Highlight));
    }

private:
    WorksheetDriver d;
};

QTEST_MAIN(TestWindowColours)
#include "tst_windowcolours.moc"

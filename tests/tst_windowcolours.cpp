// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows keep their own colours on any desktop theme: with a dark application palette
// installed before they are built, each kind of control shows the colours the windows give it,
// readable against what lies behind it, and a push button is drawn flat in the teal.

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

const QColor teal(0, 192, 192), white(Qt::white), black(Qt::black), any;

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
        QTest::addColumn<QString>("control"); // window.name
        QTest::addColumn<QPalette::ColorGroup>("group");
        QTest::addColumn<QPalette::ColorRole>("foreground");
        QTest::addColumn<QColor>("foregroundColour"); // invalid: any colour that contrasts enough
        QTest::addColumn<QPalette::ColorRole>("background");
        QTest::addColumn<QColor>("backgroundColour");
        QTest::addColumn<double>("leastContrast");
        const auto row = [](const char *tag, const char *control, QPalette::ColorGroup group, QPalette::ColorRole fg,
                            QColor fgColour, QPalette::ColorRole bg, QColor bgColour, double least) {
            QTest::newRow(tag) << QString::fromLatin1(control) << group << fg << fgColour << bg << bgColour << least;
        };
        using P = QPalette;
        row("amount field: black on white", "frmmain.txtgs", P::Active, P::Text, black, P::Base, white, 7);
        row("result field: dark red on white", "frmmain.txtnsal", P::Active, P::Text, QColor(128, 0, 0), P::Base, white, 7);
        row("result field of a window behind", "Form1.txtttlt", P::Inactive, P::Text, QColor(128, 0, 0), P::Base, white, 7);
        row("arrears field: black on grey", "Form1.txtgp(1)", P::Active, P::Text, black, P::Base, QColor(224, 224, 224), 7);
        row("selected text in a field", "frmmain.txtgs", P::Active, P::HighlightedText, any, P::Highlight, any, 4.5);
        row("button: black on teal", "frmmain.cmdcalc", P::Active, P::ButtonText, black, P::Button, teal, 7);
        row("focus frame of a button against teal", "Form4.cmdtot", P::Active, P::Highlight, any, P::Button, teal, 3);
        row("check box: black on teal", "Form1.chkinc", P::Active, P::WindowText, black, P::Window, teal, 7);
        row("label: dark blue on teal", "frmmain.lblgsal", P::Active, P::WindowText, QColor(0, 0, 128), P::Window, teal, 4.5);
        row("disabled button: grey on teal", "frmmain.cmdprint", P::Disabled, P::ButtonText, any, P::Button, teal, 3);
        row("disabled label: grey on teal", "Form4.lblrent", P::Disabled, P::WindowText, any, P::Window, teal, 3);
        row("disabled field: grey on white", "Form4.txtarv", P::Disabled, P::Text, any, P::Base, white, 4.5);
    }
    void controlsKeepTheirColours()
    {
        QFETCH(QString, control);
        QFETCH(QPalette::ColorGroup, group);
        QFETCH(QPalette::ColorRole, foreground);
        QFETCH(QColor, foregroundColour);
        QFETCH(QPalette::ColorRole, background);
        QFETCH(QColor, backgroundColour);
        QFETCH(double, leastContrast);
        const QWidget *windows[] = {d.main.get(), d.main->form1.window(), d.main->form4.window()};
        const QWidget *widget = nullptr;
        for (const QWidget *window : windows)
            if (window->objectName() == control.section(QLatin1Char('.'), 0, 0))
                widget = window->findChild<QWidget *>(control.section(QLatin1Char('.'), 1));
        QVERIFY(widget);
        const QColor text = widget->palette().color(group, foreground), behind = widget->palette().color(group, background);
        if (foregroundColour.isValid())
            QCOMPARE(text, foregroundColour);
        if (backgroundColour.isValid())
            QCOMPARE(behind, backgroundColour);
        QVERIFY2(contrast(text, behind) >= leastContrast, qPrintable(QString::number(contrast(text, behind))));
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

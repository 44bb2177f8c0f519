// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfigures.h"

#include "frmmain.h"
#include "salary/form1.h"
#include "widgets/fieldtexts.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"
#include "yearfile/yearfilelayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace pelmora {

using yearfile::WindowContents;
using yearfile::WindowLayout;
using yearfile::YearFigures;

namespace {

// A figure the program writes, put back from a file, no longer has the working that gave it.
constexpr std::string_view openedFromFile = "From the opened file; Calculate works it out again";

const WindowLayout &layoutOf(const QString &window)
{
    const QList<WindowLayout> &layouts = windowLayouts();
    return *std::find_if(layouts.begin(), layouts.end(), [&](const WindowLayout &layout) { return layout.window == window; });
}

// Calls visit(name, slot) for each worksheet, in the order their figures are put back.
template <typename Visit>
void forEachWorksheet(frmmain &main, Visit visit)
{
    visit(QStringLiteral("Form1"), main.form1);
    visit(QStringLiteral("Form2"), main.form2);
    visit(QStringLiteral("Form4"), main.form4);
    visit(QStringLiteral("frmreb88"), main.reb88);
    visit(QStringLiteral("frmrel89"), main.rel89);
}

template <typename Control>
Control *controlOf(const QWidget &window, const QString &name)
{
    return window.findChild<Control *>(name);
}

WindowContents contentsOf(const QWidget &window)
{
    const WindowLayout &layout = layoutOf(window.objectName());
    WindowContents contents;
    for (const QString &name : layout.texts) {
        if (const auto *field = controlOf<QLineEdit>(window, name))
            contents.texts.insert(name, field->text());
        else if (const auto *box = controlOf<QComboBox>(window, name))
            contents.texts.insert(name, box->currentText());
    }
    for (const QString &name : layout.checks) {
        if (const auto *check = controlOf<QAbstractButton>(window, name))
            contents.checks.insert(name, check->isChecked());
    }
    for (const auto &choice : layout.choices) {
        for (const QString &option : choice.options) {
            if (const auto *button = controlOf<QAbstractButton>(window, option); button && button->isChecked())
                contents.choices.insert(choice.frame, option);
        }
    }
    return contents;
}

// The options first: choosing one may zero fields whose texts then follow. The texts go in the
// layout's order, month rows downwards, so a pay column's fill-down is overwritten row by row.
void restoreWindow(QWidget &window, const WindowContents &contents)
{
    for (auto choice = contents.choices.cbegin(); choice != contents.choices.cend(); ++choice) {
        if (auto *option = controlOf<QAbstractButton>(window, choice.value()))
            option->setChecked(true);
    }
    for (auto check = contents.checks.cbegin(); check != contents.checks.cend(); ++check) {
        if (auto *box = controlOf<QAbstractButton>(window, check.key()))
            box->setChecked(check.value());
    }
    for (const QString &name : layoutOf(window.objectName()).texts) {
        const QString text = contents.texts.value(name);
        if (auto *field = controlOf<QLineEdit>(window, name)) {
            if (field->isReadOnly())
                writeFigure(field, text.toStdString(), openedFromFile);
            else
                field->setText(text);
        } else if (auto *box = controlOf<QComboBox>(window, name)) {
            box->setCurrentIndex(box->findText(text));
            box->setEditText(text);
        }
    }
}

} // namespace

const QList<WindowLayout> &windowLayouts()
{
    const auto names = [](const char *names) { return QString::fromLatin1(names).split(u' '); };
    static const QList<WindowLayout> layouts{
        {QStringLiteral("frmmain"), true, frmmain::fieldNames(), {}, {}, names("txtdob txtarr")},
        {QStringLiteral("Form1"), false, Form1::fieldNames(), {QStringLiteral("chkinc")}, {}},
        {QStringLiteral("Form2"), false, Form2::fieldNames(), {}, {}},
        {QStringLiteral("Form4"), false, Form4::fieldNames(), {},
         {{QStringLiteral("frmask"), names("optso optrent")}, {QStringLiteral("framintt"), names("optb499 opta499")}}},
        {QStringLiteral("frmreb88"), false, frmreb88::fieldNames(), {}, {}},
        {QStringLiteral("frmrel89"), false, frmrel89::fieldNames(), {QStringLiteral("chkwoman")}, {}},
    };
    return layouts;
}

WindowCaptions::WindowCaptions(Platform &platform) : m_platform(platform)
{
}

WindowCaptions::~WindowCaptions() = default;

QWidget *WindowCaptions::windowNamed(const QString &name) const
{
    if (!m_windows)
        m_windows = std::make_unique<frmmain>(m_platform);
    if (name == m_windows->objectName())
        return m_windows.get();
    QWidget *found = nullptr;
    forEachWorksheet(*m_windows, [&](const QString &worksheet, auto &slot) {
        if (worksheet == name)
            found = slot.window();
    });
    return found;
}

QString WindowCaptions::window(const QString &window) const
{
    const QWidget *shown = windowNamed(window);
    return shown ? shown->windowTitle() : window;
}

QString WindowCaptions::control(const QString &window, const QString &control) const
{
    const QWidget *shown = windowNamed(window);
    const QWidget *found = shown ? shown->findChild<QWidget *>(control) : nullptr;
    if (!found)
        return control;
    if (const auto *button = qobject_cast<const QAbstractButton *>(found))
        return button->text().remove(u'&');
    if (const auto *frame = qobject_cast<const QGroupBox *>(found))
        return frame->title().remove(u'&');
    return found->accessibleName().isEmpty() ? control : found->accessibleName();
}

void createEveryWorksheet(frmmain &main)
{
    forEachWorksheet(main, [](const QString &, auto &slot) { slot.window(); });
}

YearFigures collectFigures(frmmain &main)
{
    YearFigures figures{{main.objectName(), contentsOf(main)}};
    forEachWorksheet(main, [&](const QString &name, auto &slot) {
        if (slot.exists())
            figures.insert(name, contentsOf(*slot.window()));
    });
    return figures;
}

void restoreFigures(frmmain &main, const YearFigures &figures)
{
    restoreWindow(main, figures.value(main.objectName()));
    forEachWorksheet(main, [&](const QString &name, auto &slot) {
        if (figures.contains(name))
            restoreWindow(*slot.window(), figures.value(name));
        else
            slot.discard();
    });
    // A text put back as it already stood disables nothing by itself.
    main.disableCommitButtons();
    forEachWorksheet(main, [](const QString &, auto &slot) {
        if (slot.exists())
            slot.window()->disableCommitButtons();
    });
}

} // namespace pelmora

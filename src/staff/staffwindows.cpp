// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "staffwindows.h"

#include "statementowner.h"

#include "app/figuresfile.h"
#include "app/frmmain.h"
#include "app/windowfigures.h"
#include "salary/form1.h"
#include "widgets/amountfield.h"
#include "widgets/fieldtexts.h"
#include "widgets/namefield.h"
#include "widgets/resultfield.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"
#include "yearfile/yearfilestorage.h"

#include <QFileInfo>
#include <QPushButton>

namespace pelmora {

namespace {

// The main window's figures of the register, in its order.
std::array<const QLineEdit *, registerFigureCaptions.size()> registerFields(const frmmain &m)
{
    return {m.txtgs,  m.txttp,   m.txthra,    m.txtexall, m.txtnsal, m.txtos,  m.txthp,    m.txtgti,    m.txtded80,
            m.txtnti, m.txtgtax, m.txtrel87A, m.txtrel89, m.txtntax, m.txtcess, m.txtttax, m.txtdedtax, m.txtbaltax};
}

// The main window's fields that a worksheet's Back writes.
std::array<const QLineEdit *, 6> handedBackFields(const frmmain &m)
{
    return {m.txtgs, m.txttp, m.txthra, m.txthp, m.txtded80, m.txtrel89};
}

// One worksheet's part of the work: opened by the main window's Calc. button, calculated,
// handed back. Nothing is done for a worksheet the file does not hold.
template <typename Worksheet>
struct WorksheetStep {
    WorksheetSlot<Worksheet> frmmain::*slot;
    QPushButton *frmmain::*open;
    QPushButton *Worksheet::*calculate;
    QPushButton *Worksheet::*back;
};

} // namespace

StaffWindows::StaffWindows() : m_windows(std::make_unique<frmmain>(m_platform))
{
    m_windows->workUnseen();
}

StaffWindows::~StaffWindows() = default;

bool StaffWindows::refused(WorkedOutFile &file) const
{
    if (m_platform.messages().isEmpty())
        return false;
    file.entry.refusal = m_platform.messages().constFirst().toStdString();
    file.statements.clear();
    return true;
}

WorkedOutFile StaffWindows::workOut(const QString &path)
{
    m_platform.forget();
    WorkedOutFile file;
    const QFileInfo info(path);
    file.entry.fileName = info.fileName().toStdString();
    const auto loaded = yearfile::loadYearFigures(path, windowLayouts(), WindowCaptions(m_platform));
    if (const auto *refusal = std::get_if<QString>(&loaded)) {
        file.entry.refusal = cannotOpenMessage(path, *refusal).toStdString();
        file.owner = info.completeBaseName();
        return file;
    }
    const yearfile::YearFigures &figures = std::get<yearfile::YearFigures>(loaded);
    frmmain &main = *m_windows;
    restoreFigures(main, figures);
    file.entry.employee = textOf(main.txtname);
    file.owner = QString::fromStdString(statementOwner(file.entry.employee, info.completeBaseName().toStdString()));

    const QStringList held = figures.keys();
    if (!workOutWorksheets(file, held) || !printStatements(file, held))
        return file;

    const std::array fields = registerFields(main);
    for (std::size_t column = 0; column < fields.size(); ++column)
        file.entry.figures[column] = textOf(fields[column]);
    const yearfile::WindowContents &saved = figures.value(main.objectName());
    for (const QLineEdit *field : handedBackFields(main)) {
        if (field->text() != saved.texts.value(field->objectName()))
            file.entry.changed = true;
    }
    return file;
}

bool StaffWindows::workOutWorksheets(WorkedOutFile &file, const QStringList &held)
{
    frmmain &main = *m_windows;
    const auto workOut = [&](const char *name, auto step) {
        if (!held.contains(QLatin1String(name)))
            return true;
        (main.*step.open)->click();
        if (refused(file))
            return false;
        auto *worksheet = (main.*step.slot).window();
        (worksheet->*step.calculate)->click();
        if (refused(file))
            return false;
        (worksheet->*step.back)->click();
        return !refused(file);
    };
    const auto calculateMain = [&] {
        main.cmdcalc->click();
        return !refused(file);
    };
    // The relief u/s 89(1) reads the net taxable income, which the main window works out from
    // what the other worksheets handed back; the main window's figures then take the relief.
    return workOut("Form1", WorksheetStep<Form1>{&frmmain::form1, &frmmain::cmdcalgs, &Form1::cmdcal, &Form1::cmdbak})
        && workOut("Form2", WorksheetStep<Form2>{&frmmain::form2, &frmmain::cmdcalhr, &Form2::cmdcal, &Form2::cmdback})
        && workOut("Form4", WorksheetStep<Form4>{&frmmain::form4, &frmmain::cmdcalhp, &Form4::cmdtot, &Form4::cmdbk})
        && workOut("frmreb88",
                   WorksheetStep<frmreb88>{&frmmain::reb88, &frmmain::cmdcalded80, &frmreb88::cmdtot, &frmreb88::cmdbk})
        && calculateMain()
        && (!held.contains(QLatin1String("frmrel89"))
            || (workOut("frmrel89", WorksheetStep<frmrel89>{&frmmain::rel89, &frmmain::cmdcalrel89, &frmrel89::cmdcalc,
                                                             &frmrel89::cmdbk})
                && calculateMain()));
}

bool StaffWindows::printStatements(WorkedOutFile &file, const QStringList &held)
{
    frmmain &main = *m_windows;
    std::vector<QPushButton *> prints{main.cmdprint};
    if (held.contains(QLatin1String("Form1")))
        prints.push_back(main.form1.window()->cmdprn);
    if (held.contains(QLatin1String("frmrel89")))
        prints.push_back(main.rel89.window()->cmdprint);
    for (QPushButton *print : prints) {
        print->click();
        if (refused(file))
            return false;
    }
    file.statements = m_platform.takePrinted();
    if (file.statements.size() != prints.size()) {
        file.entry.refusal = "A Print button stayed disabled after Calculate.";
        file.statements.clear();
        return false;
    }
    return true;
}

} // namespace pelmora

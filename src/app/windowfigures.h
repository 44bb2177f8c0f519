// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The year's figures as the windows hold them: collected from the main window and the open
// worksheets, and put back into them.

#include "yearfile/yearfigures.h"
#include "yearfile/yearfile.h"

#include <memory>

namespace pelmora {

class Platform;
class frmmain;

// The windows' titles and their controls' captions, as a refusal of a file names them: read
// from a set of windows of its own, made hidden at the first asking.
class WindowCaptions final : public yearfile::Captions
{
public:
    explicit WindowCaptions(Platform &platform);
    ~WindowCaptions() override;

    QString window(const QString &window) const override;
    QString control(const QString &window, const QString &control) const override;

private:
    QWidget *windowNamed(const QString &name) const;

    Platform &m_platform;
    mutable std::unique_ptr<frmmain> m_windows;
};

// The controls each window keeps in a file, by the names of its fields.
const QList<yearfile::WindowLayout> &windowLayouts();

yearfile::YearFigures collectFigures(frmmain &main);

// Creates every worksheet the main window lacks, hidden and as a Calc. button first opens it.
void createEveryWorksheet(frmmain &main);

// Fills every window from the figures as the program would write its fields. A worksheet the
// figures lack is closed; one they hold is created hidden if it is not open. Print and every
// Back are disabled until Calculate, whatever they were.
void restoreFigures(frmmain &main, const yearfile::YearFigures &figures);

} // namespace pelmora

// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window's hold on one worksheet window: created on first use, kept while only
// hidden, and created afresh after the user discarded it with its close box.

#include <QPointer>

#include <functional>

namespace pelmora {

template <typename Worksheet>
class WorksheetSlot
{
public:
    explicit WorksheetSlot(std::function<Worksheet *()> create) : m_create(std::move(create)) {}
    ~WorksheetSlot() { delete m_worksheet.data(); }

    WorksheetSlot(const WorksheetSlot &) = delete;
    WorksheetSlot &operator=(const WorksheetSlot &) = delete;

    // The worksheet, created hidden in its initial state when there is none.
    Worksheet *window()
    {
        if (!m_worksheet) {
            m_worksheet = m_create();
            m_worksheet->setAttribute(Qt::WA_DeleteOnClose);
        }
        return m_worksheet;
    }

    // Shows the worksheet, not modal, in front of the other windows.
    Worksheet *show()
    {
        Worksheet *worksheet = window();
        worksheet->bringForward();
        return worksheet;
    }

    bool exists() const { return !m_worksheet.isNull(); }

    // Closes the worksheet for good, as its close box does: the next use creates it afresh.
    void discard() { delete m_worksheet.data(); }

private:
    std::function<Worksheet *()> m_create;
    QPointer<Worksheet> m_worksheet;
};

} // namespace pelmora

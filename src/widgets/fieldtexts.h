// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Between a window's fields and the rules: the texts the rules read, the texts they worked
// out, and the message when they could not go on.

#include "amountfield.h"
#include "platform.h"
#include "core/calculation.h"
#include "core/working.h"

#include <QLineEdit>

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

// The text of a field as the rules read it; "" for a member that an array lacks.
inline std::string textOf(const QLineEdit *field)
{
    return field ? field->text().toStdString() : std::string();
}

template <typename Field, std::size_t count>
std::array<std::string, count> textsOf(const std::array<Field *, count> &fields)
{
    std::array<std::string, count> texts;
    for (std::size_t i = 0; i < count; ++i)
        texts[i] = textOf(fields[i]);
    return texts;
}

inline void writeText(QLineEdit *field, const std::string &text)
{
    field->setText(QString::fromStdString(text));
}

// Writes a computed figure together with how it was worked out, or where it came from: the words
// become the field's tooltip and its accessible description, so that a screen reader reads them
// too and neither can disagree with the figure shown.
inline void writeFigure(QLineEdit *field, const std::string &text, std::string_view working)
{
    field->setText(QString::fromStdString(text));
    const QString words = QString::fromUtf8(working.data(), qsizetype(working.size()));
    // An amount says how its text reads as well.
    if (auto *amount = qobject_cast<AmountField *>(field)) {
        amount->explain(words);
        return;
    }
    field->setToolTip(words);
    field->setAccessibleDescription(words);
}

inline void writeFigure(QLineEdit *field, const Figure &figure)
{
    writeFigure(field, figure.text, figure.working.text());
}

// What a computation worked out; nullptr once the user has been told why it could not go on.
template <typename Texts>
const Texts *resultsOrMessage(const Calculation<Texts> &outcome, Platform &platform, QWidget *window)
{
    if (const auto *error = std::get_if<CalculationError>(&outcome)) {
        platform.showMessage(window, QString::fromStdString(error->message()));
        return nullptr;
    }
    return &std::get<Texts>(outcome);
}

} // namespace pelmora

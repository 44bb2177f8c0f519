// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A printer that records each operation as a line ("x 5.5"); every character is 0.1 inch wide.

#include "print/printer.h"

#include <QStringList>

class RecordingPrinter : public pelmora::Printer
{
public:
    void setScaleMode(pelmora::ScaleMode mode) override { record("scale", int(mode)); }
    void setFontName(std::string_view name) override { record("font", name); }
    void setFontSize(float points) override { record("size", points); }
    void setFontBold(bool on) override { record("bold", on); }
    void setFontItalic(bool on) override { record("italic", on); }
    void setFontUnderline(bool on) override { record("underline", on); }
    void setOrientation(pelmora::Orientation orientation) override { record("orientation", int(orientation)); }
    void setCurrentX(float x) override { record("x", x); }
    void setCurrentY(float y) override { record("y", y); }
    float textWidth(std::string_view text) override
    {
        record("width", text);
        return 0.1f * float(QString::fromUtf8(text.data(), qsizetype(text.size())).size());
    }
    void print(std::string_view text) override { record("print", text); }
    void line(float x1, float y1, float x2, float y2) override
    {
        calls.append(QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
    }
    void newPage() override { calls.append(QStringLiteral("page")); }
    pelmora::JobOutcome endDoc() override
    {
        calls.append(QStringLiteral("end"));
        return {};
    }

    QStringList printed() const
    {
        QStringList texts;
        for (const QString &call : calls)
            if (call.startsWith(QLatin1String("print ")))
                texts.append(call.mid(6));
        return texts;
    }

    QStringList calls;

private:
    void record(const char *operation, std::string_view text)
    {
        calls.append(QLatin1String(operation) + u' ' + QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    void record(const char *operation, double number)
    {
        calls.append(QLatin1String(operation) + u' ' + QString::number(number));
    }
};

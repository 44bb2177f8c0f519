// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "yearfile.h"

#include "core/credits.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace pelmora::yearfile {

namespace {

const QString formatName = QStringLiteral("Pelmora");

QString taxYear()
{
    return QString::fromUtf8(credits::taxYear);
}

QJsonObject windowObject(const WindowContents &contents)
{
    QJsonObject controls;
    for (auto text = contents.texts.cbegin(); text != contents.texts.cend(); ++text)
        controls.insert(text.key(), text.value());
    for (auto check = contents.checks.cbegin(); check != contents.checks.cend(); ++check)
        controls.insert(check.key(), check.value());
    for (auto choice = contents.choices.cbegin(); choice != contents.choices.cend(); ++choice)
        controls.insert(choice.key(), choice.value());
    return controls;
}

// The window's controls that the layout names, or why they cannot be.
std::variant<WindowContents, QString> readWindow(const WindowLayout &layout, const QJsonObject &controls,
                                                 const Captions &captions)
{
    const auto misfit = [&](const QString &control, const QString &what) {
        return QStringLiteral("In the window \"%1\", \"%2\" should be %3.")
            .arg(captions.window(layout.window), captions.control(layout.window, control), what);
    };
    WindowContents contents;
    for (const QString &name : layout.texts) {
        const QJsonValue value = controls.value(name);
        if (value.isUndefined() && layout.textsAddedLater.contains(name)) {
            contents.texts.insert(name, QString());
            continue;
        }
        if (!value.isString())
            return misfit(name, QStringLiteral("a text"));
        contents.texts.insert(name, value.toString());
    }
    for (const QString &name : layout.checks) {
        const QJsonValue value = controls.value(name);
        if (!value.isBool())
            return misfit(name, QStringLiteral("true or false"));
        contents.checks.insert(name, value.toBool());
    }
    for (const ChoiceLayout &choice : layout.choices) {
        const QString chosen = controls.value(choice.frame).toString();
        if (!choice.options.contains(chosen)) {
            QStringList options;
            for (const QString &option : choice.options)
                options.append(u'"' + captions.control(layout.window, option) + u'"');
            return misfit(choice.frame, QStringLiteral("one of ") + options.join(QStringLiteral(", ")));
        }
        contents.choices.insert(choice.frame, chosen);
    }
    return contents;
}

} // namespace

QByteArray writeYearFigures(const YearFigures &figures)
{
    QJsonObject windows;
    for (auto window = figures.cbegin(); window != figures.cend(); ++window)
        windows.insert(window.key(), windowObject(window.value()));
    const QJsonObject file{
        {QStringLiteral("format"), formatName},
        {QStringLiteral("version"), formatVersion},
        {QStringLiteral("financialYear"), taxYear()},
        {QStringLiteral("windows"), windows},
    };
    QByteArray bytes = QJsonDocument(file).toJson(QJsonDocument::Indented);
    // Qt's reader drops a byte-order mark wherever it stands, even inside a text: it is written
    // escaped. (Only texts can hold one: every name is plain ASCII.)
    bytes.replace("\xEF\xBB\xBF", "\\ufeff");
    return bytes;
}

std::variant<YearFigures, QString> readYearFigures(const QByteArray &bytes, const QList<WindowLayout> &layouts,
                                                   const Captions &captions)
{
    if (bytes.size() > largestFile)
        return QStringLiteral("It is larger than 1 MB, far larger than a Pelmora file.");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("Its text is damaged: %1 at character %2.").arg(error.errorString()).arg(error.offset);
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != formatName)
        return QStringLiteral("It is not a Pelmora file.");
    const qint64 version = file.value(QStringLiteral("version")).toInteger(0);
    if (version < 1)
        return QStringLiteral("Its format version is missing or not valid.");
    if (version > formatVersion) {
        return QStringLiteral("It was saved by a newer Pelmora, in version %1 of the format; this Pelmora reads "
                              "version %2.")
            .arg(version)
            .arg(formatVersion);
    }
    const QString year = file.value(QStringLiteral("financialYear")).toString();
    if (year != taxYear())
        return QStringLiteral("It holds the figures of the financial year \"%1\", not of %2.").arg(year, taxYear());
    const QJsonValue windows = file.value(QStringLiteral("windows"));
    if (!windows.isObject())
        return QStringLiteral("It holds no windows.");

    YearFigures figures;
    for (const WindowLayout &layout : layouts) {
        const QJsonValue controls = windows[layout.window];
        if (controls.isUndefined() && !layout.required)
            continue;
        if (!controls.isObject())
            return QStringLiteral("Its window \"%1\" is missing or not a set of controls.").arg(captions.window(layout.window));
        auto contents = readWindow(layout, controls.toObject(), captions);
        if (const auto *refusal = std::get_if<QString>(&contents))
            return *refusal;
        figures.insert(layout.window, std::get<WindowContents>(std::move(contents)));
    }
    if (const std::optional<QString> refusal = unwritableText(figures, captions))
        return *refusal;
    return figures;
}

std::optional<QString> unwritableText(const YearFigures &figures, const Captions &captions)
{
    for (auto window = figures.cbegin(); window != figures.cend(); ++window) {
        const QMap<QString, QString> &texts = window->texts;
        for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
            if (text->size() > longestText) {
                return QStringLiteral("In the window \"%1\", \"%2\" is longer than 1,000 characters.")
                    .arg(captions.window(window.key()), captions.control(window.key(), text.key()));
            }
        }
    }
    return std::nullopt;
}

} // namespace pelmora::yearfile

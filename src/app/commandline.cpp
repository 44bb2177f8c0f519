// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "core/credits.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>

namespace pelmora {

namespace {

// QGuiApplication's and QApplication's options; the session manager, for one, restarts the
// program with -session.
const char *const qtOptionsWithValue[] = {"display",         "geometry",    "platform",     "platformpluginpath",
                                          "platformtheme",   "plugin",      "qwindowgeometry", "qwindowicon",
                                          "qwindowtitle",    "session",     "style",        "stylesheet"};
const char *const qtSwitches[] = {"reverse", "widgetcount"};

constexpr int usageError = 2;

void addQtOption(QCommandLineParser &parser, const char *name, bool takesValue)
{
    QCommandLineOption option(QString::fromLatin1(name), QString(), takesValue ? QStringLiteral("value") : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

CommandLineRequest readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Works out Indian income tax on salary for %1 and prints the statements.")
            .arg(QString::fromUtf8(credits::taxYear)));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A file of figures to open."),
                                 QStringLiteral("[file]"));
    for (const char *name : qtOptionsWithValue)
        addQtOption(parser, name, true);
    for (const char *name : qtSwitches)
        addQtOption(parser, name, false);

    const QString programName = QStringLiteral("pelmora");
    if (!parser.parse(arguments))
        return {CommandLineReply{usageError, QStringLiteral("%1: %2\n").arg(programName, parser.errorText())}, {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return {CommandLineReply{usageError, QStringLiteral("%1: Unexpected argument '%2'.\n").arg(programName, files[1])}, {}};
    if (parser.isSet(help)) {
        // With no application object yet (the help needs no display), Qt has no name for the program.
        return {CommandLineReply{0, parser.helpText().replace(QStringLiteral("<executable_name>"), programName)}, {}};
    }
    if (parser.isSet(version)) {
        return {CommandLineReply{0, QStringLiteral("%1 %2\n").arg(QString::fromUtf8(credits::productName),
                                                                    QStringLiteral(PELMORA_VERSION))},
                {}};
    }
    return {std::nullopt, files.value(0)};
}

CommandLineRequest answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLineRequest request = readCommandLine(arguments);
    if (const std::optional<CommandLineReply> &reply = request.reply)
        QTextStream(reply->exitStatus == 0 ? stdout : stderr) << reply->text;
    return request;
}

} // namespace pelmora

// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "core/credits.h"

#include <QCommandLineParser>
#include <QFileInfo>
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

CommandLineRequest answered(CommandLineReply reply)
{
    CommandLineRequest request;
    request.reply = std::move(reply);
    return request;
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
    const QCommandLineOption statements(
        QStringLiteral("statements"),
        QStringLiteral("Writes the statements of each file of figures into the folder as PDF files, and the staff "
                       "register beside them. Needs no display."),
        QStringLiteral("folder"));
    const QCommandLineOption print(QStringLiteral("print"),
                                   QStringLiteral("Prints the statements of each file of figures and the staff register "
                                                  "on the default printer. Needs no display."));
    parser.addOptions({help, version, statements, print});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A file of figures to open; with --statements or --print, any number."),
                                 QStringLiteral("[file...]"));
    for (const char *name : qtOptionsWithValue)
        addQtOption(parser, name, true);
    for (const char *name : qtSwitches)
        addQtOption(parser, name, false);

    const QString programName = QStringLiteral("pelmora");
    if (!parser.parse(arguments))
        return answered({usageError, QStringLiteral("%1: %2\n").arg(programName, parser.errorText())});
    const auto refusal = [&](const QString &why) {
        return answered({usageError, QStringLiteral("%1: %2\n").arg(programName, why)});
    };
    const QStringList files = parser.positionalArguments();
    const bool manyFiles = parser.isSet(statements) || parser.isSet(print);
    if (files.size() > 1 && !manyFiles)
        return refusal(QStringLiteral("Unexpected argument '%1'.").arg(files[1]));
    if (parser.isSet(help)) {
        // With no application object yet (the help needs no display), Qt has no name for the program.
        return answered({0, parser.helpText().replace(QStringLiteral("<executable_name>"), programName)});
    }
    if (parser.isSet(version)) {
        return answered({0, QStringLiteral("%1 %2\n").arg(QString::fromUtf8(credits::productName),
                                                            QStringLiteral(PELMORA_VERSION))});
    }
    CommandLineRequest request;
    if (!manyFiles) {
        request.figuresFile = files.value(0);
        return request;
    }
    if (parser.isSet(statements) && parser.isSet(print))
        return refusal(QStringLiteral("--statements and --print cannot be given together."));
    if (files.isEmpty())
        return refusal(QStringLiteral("No file of figures given."));
    request.files = files;
    if (parser.isSet(print)) {
        request.run = CommandLineRequest::Run::Print;
        return request;
    }
    request.run = CommandLineRequest::Run::Statements;
    request.statementsFolder = parser.value(statements);
    const QFileInfo folder(request.statementsFolder);
    if (request.statementsFolder.isEmpty() || (folder.exists() && !folder.isDir()))
        return refusal(QStringLiteral("'%1' is not a folder.").arg(request.statementsFolder));
    return request;
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

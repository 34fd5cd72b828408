#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "records/ConfigurationFile.h"
#include "records/ConfigurationValues.h"

#include <QDateTime>

int RunRead(const ParsedArguments& arguments) {
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    const std::optional<QString> out = arguments.value(QStringLiteral("--out"));
    if (out && !session.acceptsOutput(*out)) {
        return 2;
    }
    const ModuleReadOutcome read = session.read();
    if (!read.completed()) {
        // Where a read that began stopped; a read that never began has spoken through its boxes.
        if (!read.message.isEmpty()) {
            PrintError(DisplayText(read.message));
        }
        return 1;
    }
    // One text for the screen and the file, so both show the same moment and lines.
    const ConfigurationHeader header = session.header(QDateTime::currentDateTime());
    const QByteArray text = ConfigurationFileText(
        header, ConfigurationEntries(session.configuration(), session.catalogue()));
    if (arguments.has(QStringLiteral("--json"))) {
        PrintJson(
            {{QStringLiteral("port"),
              session.state().PortShownAs(session.state().link.ComPortName)},
             {QStringLiteral("header"), HeaderJson(header)},
             {QStringLiteral("parameters"),
              ParametersJson(ValuesOf(session.configuration(), session.catalogue()).parameters)}});
    } else {
        QStringList lines = QString::fromLatin1(text).split(QStringLiteral("\r\n"));
        lines.removeLast();  // the empty rest after the last line end
        for (const QString& line : lines) {
            PrintOut(line);
        }
    }
    if (out) {
        const WriteOutcome outcome =
            WriteConfigurationBytes(*out, text, WriteMode::Rewrite, *session.state().disk);
        if (!outcome.written) {
            PrintError(QStringLiteral("Cannot write ") + outcome.error);
            return 1;
        }
    }
    // A configuration log that could not be written was reported on standard error.
    return session.state().LogWriteFailed ? 1 : 0;
}

// kvc7345 report FILE.NVC --pdf OUT.pdf: the report sheet of a configuration file, as the
// window's "Save Report as PDF" makes it.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/LoadReport.h"
#include "operations/ConfigurationLogging.h"
#include "operations/ReportSaving.h"
#include "records/LoadNotes.h"
#include "records/ReportJobs.h"
#include "transfer/SensorRefresh.h"

#include <QDateTime>

#include <QFileInfo>

int RunReport(const ParsedArguments& arguments) {
    const QString file = arguments.operand(0);
    const QString pdf = arguments.text(QStringLiteral("--pdf"));
    if (file.isEmpty() || pdf.isEmpty()) {
        PrintError(
            QStringLiteral("report needs a configuration file and --pdf OUT.pdf: kvc7345 report "
                           "FILE.NVC --pdf OUT.pdf"));
        return 2;
    }
    CommandSession session(arguments.has(QStringLiteral("--yes")));
    if (!session.start(arguments)) {
        return 2;
    }
    if (!session.acceptsOutput(pdf, {file})) {
        return 2;
    }
    // "Configured by" and "for" as the window would show them: remembered in the program
    // folder's settings, unless given here.
    const auto given = [&](const char* option, const char* key) {
        return arguments.value(QString::fromLatin1(option))
            .value_or(session.state().settings.ReadConfig(QString::fromLatin1(key)));
    };
    const QString doneBy = given("--done-by", "DONEBY");
    const QString doneFor = given("--done-for", "DONEFOR");

    if (!session.load(QFileInfo(file).absoluteFilePath())) {
        PrintLoadRefusal(session.lastLoad(), file);
        PrintError(QStringLiteral("No report: ") + file + QStringLiteral(" could not be loaded"));
        return 1;
    }
    PrintLoadNotes(session.lastLoad());
    const ModuleConfiguration& configuration = session.configuration();
    // A sheet without some parameters is drawn only when the user says so, as a question is.
    const QString& model = session.state().ModelCode;
    const QStringList missing = MissingParameters(session.catalogue(), configuration);
    for (const QString& line : MissingParametersNote(model, missing)) {
        PrintError(line);
    }
    if (!missing.isEmpty() && !arguments.has(QStringLiteral("--yes"))) {
        PrintError(QStringLiteral("No report: ") + file +
                   QStringLiteral(" lacks parameters of the ") + model +
                   QStringLiteral("; --yes draws the sheet without them"));
        return 1;
    }
    // The sheet as the window's "Save Report as PDF" makes it, after the check for printing.
    const bool saved =
        CheckConfiguration(session.state(), configuration, session.catalogue(), CheckMode::Print)
            .mayGoOn &&
        SaveReportSheet(session.state(), QFileInfo(pdf).absoluteFilePath(),
                        MakeReportSheet(HeaderFor(configuration, QDateTime::currentDateTime(),
                                                  session.state().SoftwareVersion, doneBy, doneFor),
                                        configuration, session.catalogue(),
                                        ParametersInUse(configuration, session.catalogue())));
    if (!saved) {
        PrintError(QStringLiteral("No report written to ") + pdf);
        return 1;
    }
    return session.state().LogWriteFailed ? 1 : 0;
}

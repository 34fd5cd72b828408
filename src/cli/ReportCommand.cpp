// kvc7345 report FILE.NVC --pdf OUT.pdf: the report sheet of a configuration file, as the
// window's "Save Report as PDF" makes it.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/LoadReport.h"
#include "records/LoadNotes.h"

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
    TForm1& form = session.form();
    // "Configured by" and "for" as the window would show them: remembered in the program
    // folder's settings, unless given here.
    for (const auto& [option, key, field] :
         {std::tuple{"--done-by", "DONEBY", "TDefaultDoneBy"},
          std::tuple{"--done-for", "DONEFOR", "TDefaultDoneFor"}}) {
        const std::optional<QString> given = arguments.value(QString::fromLatin1(option));
        form.Control(QString::fromLatin1(field))
            .setText(given ? *given
                           : session.state().settings.ReadConfig(QString::fromLatin1(key)));
    }

    session.dialogs().presetFile(QFileInfo(file).absoluteFilePath());
    if (!form.ReadFromFile(FileSource::Archive)) {
        PrintLoadRefusal(form, file);
        PrintError(QStringLiteral("No report: ") + file + QStringLiteral(" could not be loaded"));
        return 1;
    }
    PrintLoadNotes(form);
    // A sheet without some parameters is drawn only when the user says so, as a question is.
    const QString& model = session.state().ModelCode;
    const QStringList missing = MissingParameters(form.Catalogue(), form.Configuration());
    for (const QString& line : MissingParametersNote(model, missing)) {
        PrintError(line);
    }
    if (!missing.isEmpty() && !arguments.has(QStringLiteral("--yes"))) {
        PrintError(QStringLiteral("No report: ") + file +
                   QStringLiteral(" lacks parameters of the ") + model +
                   QStringLiteral("; --yes draws the sheet without them"));
        return 1;
    }
    // The PDF goes where the save dialog would have put it.
    session.dialogs().presetFile(QFileInfo(pdf).absoluteFilePath());
    if (!form.SaveReportAsPdf()) {
        PrintError(QStringLiteral("No report written to ") + pdf);
        return 1;
    }
    return session.state().LogWriteFailed ? 1 : 0;
}

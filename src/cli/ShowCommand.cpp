// kvc7345 show FILE.NVC: what loading the file puts into the window, in the file's own layout.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "cli/LoadReport.h"
#include "records/ConfigurationFile.h"
#include "records/ConfigurationValues.h"
#include "records/LoadNotes.h"

#include <QFileInfo>

int RunShow(const ParsedArguments& arguments) {
    const QString file = arguments.operand(0);
    if (file.isEmpty()) {
        PrintError(
            QStringLiteral("show needs a configuration file: kvc7345 show FILE.NVC "
                           "[--home DIR]"));
        return 2;
    }
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    return ShowConfigurationFile(session, file, file, arguments.has(QStringLiteral("--json")));
}

int ShowConfigurationFile(CommandSession& session, const QString& file, const QString& name,
                          bool json) {
    // The file takes the place of the open dialog; the load is the window's own.
    session.dialogs().presetFile(QFileInfo(file).absoluteFilePath());
    TForm1& form = session.form();
    if (!form.ReadFromFile(FileSource::Archive)) {
        PrintLoadRefusal(form, name);
        return 1;
    }

    const ProgramState& state = session.state();
    if (json) {
        const ConfigurationValues values = ValuesOf(form.Configuration(), form.Catalogue());
        ConfigurationHeader header;
        header.model = values.model;
        header.date = form.Configuration().date;
        header.firmware = values.firmware;
        header.doneBy = values.doneBy;
        header.doneFor = values.doneFor;
        header.tag1 = values.tag1;
        header.tag2 = values.tag2;
        PrintJson({{QStringLiteral("file"), name},
                   {QStringLiteral("header"), HeaderJson(header)},
                   {QStringLiteral("parameters"), ParametersJson(values.parameters)}});
    } else {
        for (const QString& line : ConfigurationLines(form.Configuration(), form.Catalogue())) {
            PrintOut(line);
        }
    }
    PrintLoadNotes(form);
    for (const QString& line : MissingParametersNote(
             state.ModelCode, MissingParameters(form.Catalogue(), form.Configuration()))) {
        PrintError(line);
    }
    return 0;
}

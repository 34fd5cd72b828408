// kvc7345 show FILE.NVC: what loading the file puts into the window, in the file's own layout.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "cli/LoadReport.h"
#include "records/ConfigurationFile.h"
#include "records/LoadNotes.h"

#include <QFileInfo>

namespace {

// The file's model, header lines, tags in use and parameter lines, as a save writes them.
void printShown(const TForm1& form, const HeldValue& held) {
    const ProgramState& state = form.state();
    const ConfigurationValues shown = ShownValues(form);
    PrintOut(state.ModelCode);
    PrintOut(KeyLine(QStringLiteral("DATE"), state.ConfigurationDate));
    PrintOut(KeyLine(QStringLiteral("DONEBY"), shown.doneBy));
    PrintOut(KeyLine(QStringLiteral("DONEFOR"), shown.doneFor));
    // A tag line only for a tag field in use, as a save writes them.
    for (const auto& [key, tag] : {std::pair{QStringLiteral("TAG1"), shown.tag1},
                                   std::pair{QStringLiteral("TAG2"), shown.tag2}}) {
        if (tag) {
            PrintOut(KeyLine(key, *tag));
        }
    }
    // Only values that came from the file; what it lacks is named instead of shown empty.
    for (const QString& line :
         ParameterLines(HeldEntries(state.Entries, state.ParameterTable, held))) {
        PrintOut(line);
    }
}

}  // namespace

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
    const HeldValue held = [&form](int i) { return form.HoldsValue(i); };
    if (json) {
        const ConfigurationValues values = ShownValues(form);
        ConfigurationHeader header;
        header.model = values.model;
        header.date = state.ConfigurationDate;
        header.firmware = values.firmware;
        header.doneBy = values.doneBy;
        header.doneFor = values.doneFor;
        header.tag1 = values.tag1;
        header.tag2 = values.tag2;
        PrintJson({{QStringLiteral("file"), name},
                   {QStringLiteral("header"), HeaderJson(header)},
                   {QStringLiteral("parameters"), ParametersJson(values.parameters)}});
    } else {
        printShown(form, held);
    }
    PrintLoadNotes(form);
    for (const QString& line : MissingParametersNote(
             state.ModelCode, MissingParameters(state.ParameterTable, state.ModelCode, held))) {
        PrintError(line);
    }
    return 0;
}

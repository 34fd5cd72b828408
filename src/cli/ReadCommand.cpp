#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "records/ConfigurationFile.h"

int RunRead(const QStringList& arguments) {
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    TForm1& form = session.form();
    form.ReadAll();
    if (form.ConfigurationEmpty) {
        return 1;
    }
    const EntryList& entries = session.state().Entries;
    for (int i = 1; i <= EntryList::Slots; ++i) {
        if (!entries.FileNames(i).isEmpty() && !entries.FileValues(i).isEmpty()) {
            PrintOut(KeyLine(entries.FileNames(i), entries.FileValues(i)));
        }
    }
    const QString out = CommandSession::optionValue(arguments, QStringLiteral("--out"));
    if (!out.isEmpty()) {
        const WriteOutcome outcome = form.SubWriteToFile(out, WriteMode::Rewrite);
        if (!outcome.written) {
            PrintError(QStringLiteral("Cannot write ") + outcome.error);
            return 1;
        }
    }
    return 0;
}

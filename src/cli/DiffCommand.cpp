// kvc7345 diff A.NVC B.NVC: how two configuration files differ, as the window loads them.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/HistoryEntryFile.h"
#include "cli/JsonOutput.h"
#include "cli/ModuleVerification.h"
#include "records/ConfigurationValues.h"

#include <QFileInfo>

#include <optional>

namespace {

// Each file in a window of its own, so nothing the first load changed in the catalogue can
// colour the second. "history:N" loads entry N of the history as the file it was.
std::optional<ConfigurationValues> loadedValues(const ParsedArguments& arguments,
                                                const QString& file) {
    CommandSession session;
    if (!session.start(arguments)) {
        return std::nullopt;
    }
    if (const auto number = HistoryReference(file)) {
        HistoryEntryFile entry(session.state().ProgramFolder, *number);
        const QString path = entry.path();
        if (path.isEmpty() || !LoadFileIntoSession(session, path)) {
            return std::nullopt;
        }
        return ValuesOf(session.configuration(), session.catalogue());
    }
    if (!LoadFileIntoSession(session, file)) {
        return std::nullopt;
    }
    return ValuesOf(session.configuration(), session.catalogue());
}

}  // namespace

int RunDiff(const ParsedArguments& arguments) {
    const QStringList& files = arguments.operands();
    if (files.size() != 2) {
        PrintError(
            QStringLiteral("diff needs two configuration files: kvc7345 diff A.NVC B.NVC "
                           "(history:N for entry N of the history)"));
        return PrintUsage(true);
    }
    const auto first = loadedValues(arguments, files[0]);
    const auto second = first ? loadedValues(arguments, files[1]) : std::nullopt;
    if (!first || !second) {
        PrintError(QStringLiteral("Nothing compared: ") + files[first ? 1 : 0] +
                   QStringLiteral(" could not be loaded"));
        return 2;
    }

    // The files' own names, unless both have the same one.
    const QString firstName = QFileInfo(files[0]).fileName();
    const QString secondName = QFileInfo(files[1]).fileName();
    const SideNames names = firstName != secondName ? TwoFileNames(firstName, secondName)
                                                    : TwoFileNames(files[0], files[1]);
    const QList<ConfigurationDifference> differences =
        CompareConfigurations(*first, *second, Comparison::TwoFiles);
    if (arguments.has(QStringLiteral("--json"))) {
        PrintJson({{QStringLiteral("first"), files[0]},
                   {QStringLiteral("second"), files[1]},
                   {QStringLiteral("agree"), differences.isEmpty()},
                   {QStringLiteral("differences"), DifferencesJson(differences, names)}});
    } else {
        for (const ConfigurationDifference& difference : differences) {
            PrintOut(DifferenceLine(difference, names));
        }
    }
    return differences.isEmpty() ? 0 : 1;
}

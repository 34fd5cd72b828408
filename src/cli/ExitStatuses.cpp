#include "cli/ExitStatuses.h"

namespace {

std::vector<ExitStatusEntry> makeTable() {
    const QString usage = QStringLiteral("a usage error");
    return {
        {QStringLiteral("identify"), QStringLiteral("a module answered and was recognised"),
         QStringLiteral("no module answered, or it was not recognised"), usage},
        {QStringLiteral("read"),
         QStringLiteral("the configuration was read, and saved with --out and logged"),
         QStringLiteral("the read stopped, or the file or the configuration log could not be "
                        "written"),
         usage + QStringLiteral(", or an output that would replace a file the program keeps")},
        {QStringLiteral("show"), QStringLiteral("the file was loaded"),
         QStringLiteral("the file could not be loaded"), usage},
        {QStringLiteral("defaults"), QStringLiteral("every model's file was saved"),
         QStringLiteral("a file could not be saved"), usage},
        {QStringLiteral("parameters"), QStringLiteral("the list was printed"),
         QStringLiteral("standard output could not be written"),
         usage + QStringLiteral(" or an unknown model")},
        {QStringLiteral("sensors"), QStringLiteral("the list was printed"),
         QStringLiteral("standard output could not be written"), usage},
        {QStringLiteral("write"),
         QStringLiteral("the module took the configuration (and holds it, with --verify)"),
         QStringLiteral("the file could not be loaded, a question was answered No, the write "
                        "stopped, or the read-back differs"),
         usage + QStringLiteral(", or a module of another model")},
        {QStringLiteral("verify"), QStringLiteral("the module holds the file's configuration"),
         QStringLiteral("it holds other values"),
         usage + QStringLiteral(", or the file or the read failed")},
        {QStringLiteral("diff"), QStringLiteral("the files hold the same configuration"),
         QStringLiteral("they differ"), usage + QStringLiteral(", or a file could not be loaded")},
        {QStringLiteral("history"),
         QStringLiteral("entries were listed, or the entry was printed or saved"),
         QStringLiteral("no entry matches, or the entry could not be read, loaded or saved"),
         usage + QStringLiteral(", a date or entry number the history does not hold, or an "
                                "output that would replace a file the program keeps")},
        {QStringLiteral("watch"), QStringLiteral("the readings were taken until --count or Ctrl+C"),
         QStringLiteral("the module stopped answering"),
         usage + QStringLiteral(", or a channel the model does not have")},
        {QStringLiteral("calibrate"), QStringLiteral("the module confirmed the acquisition"),
         QStringLiteral("no module, no confirmation, or the acquisition failed"),
         usage + QStringLiteral(", values out of range, or a module of another model")},
        {QStringLiteral("report"), QStringLiteral("the PDF was written"),
         QStringLiteral("the file could not be loaded or the PDF could not be written"),
         usage + QStringLiteral(", or an output that would replace the file read or a file the "
                                "program keeps")},
    };
}

}  // namespace

const std::vector<ExitStatusEntry>& ExitStatusTable() {
    static const std::vector<ExitStatusEntry> table = makeTable();
    return table;
}

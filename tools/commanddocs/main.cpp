// kvc7345-commanddocs: writes the man pages and the bash completion from the command table and
// the simulator's options at build time.
// Usage: kvc7345-commanddocs VERSION MANPAGE COMPLETION SIMULATORMANPAGE

#include "cli/CommandDocs.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

bool writeText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "kvc7345-commanddocs: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() != 4) {
        std::fputs("Usage: kvc7345-commanddocs VERSION MANPAGE COMPLETION SIMULATORMANPAGE\n",
                   stderr);
        return 2;
    }
    const bool written = writeText(arguments[1], ManPageText(arguments[0])) &&
                         writeText(arguments[2], BashCompletionText()) &&
                         writeText(arguments[3], SimulatorManPageText(arguments[0]));
    return written ? 0 : 1;
}

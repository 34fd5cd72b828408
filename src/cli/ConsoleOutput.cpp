#include "cli/ConsoleOutput.h"

#include <cstdio>

namespace {

void printLine(std::FILE* stream, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
    std::fflush(stream);
}

}  // namespace

void PrintOut(const QString& line) {
    printLine(stdout, line);
}

void PrintError(const QString& line) {
    printLine(stderr, line);
}

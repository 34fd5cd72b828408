#include "cli/ConsoleOutput.h"

#include <QtGlobal>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Why standard output lost a line; empty while every line went out.
QString& outputFault() {
    static QString reason;
    return reason;
}

bool& outputClosed() {
    static bool closed = false;
    return closed;
}

// Writes and flushes one line; the system's reason when it did not go out, otherwise "".
QString printLine(std::FILE* stream, const QString& line) {
    errno = 0;
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    const bool written = std::fputs(bytes.constData(), stream) != EOF;
    if (std::fflush(stream) != 0 || !written || std::ferror(stream) != 0) {
        return qt_error_string(errno != 0 ? errno : EIO);
    }
    return {};
}

void noteOutputFault(const QString& reason) {
    if (outputFault().isEmpty()) {
        outputFault() = reason;
    }
}

}  // namespace

void PrintOut(const QString& line) {
    if (outputClosed()) {
        noteOutputFault(qt_error_string(EBADF));
        return;
    }
    const QString reason = printLine(stdout, line);
    if (!reason.isEmpty()) {
        noteOutputFault(reason);
    }
}

void PrintError(const QString& line) {
    printLine(stderr, line);
}

void GuardStandardStreams() {
#ifdef Q_OS_UNIX
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        if (stream == STDOUT_FILENO) {
            outputClosed() = true;
        }
        // open() returns the lowest free number, which is the closed stream's.
        const int opened = open("/dev/null", O_WRONLY);
        if (opened != -1 && opened != stream) {
            dup2(opened, stream);
            close(opened);
        }
    }
#endif
}

int FinishStandardOutput(int status) {
    if (!outputClosed() && std::fflush(stdout) != 0) {
        noteOutputFault(qt_error_string(errno));
    }
    if (outputFault().isEmpty()) {
        return status;
    }
    PrintError(QStringLiteral("Cannot write standard output: ") + outputFault());
    return status == 0 ? 1 : status;
}

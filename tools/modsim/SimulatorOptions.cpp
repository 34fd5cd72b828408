#include "modsim/SimulatorOptions.h"

namespace modsim {

QString SimulatorSummary() {
    return QStringLiteral("Simulated Q7300/V7300 module on a pseudo-terminal.");
}

QList<QCommandLineOption> SimulatorOptions() {
    return {
        {QStringLiteral("model"), QStringLiteral("Model code, e.g. Q7383D."),
         QStringLiteral("MODEL"), QStringLiteral("Q7383D")},
        {QStringLiteral("firmware"),
         QStringLiteral("Firmware version (decimal); default per model."), QStringLiteral("N"),
         QStringLiteral("0")},
        {QStringLiteral("link"),
         QStringLiteral("Also reach the port under this path (a symbolic link)."),
         QStringLiteral("PATH")},
        {QStringLiteral("reply"), QStringLiteral("Answer the model query with this reply instead."),
         QStringLiteral("REPLY")},
        {QStringLiteral("fault"),
         QStringLiteral("silent, alternate, garbage, nonhex, short, long, slow, stop-after:N or "
                        "disconnect-after:N."),
         QStringLiteral("FAULT")},
        {QStringLiteral("no-pacing"), QStringLiteral("Answer at once instead of at 9600 baud.")},
        {QStringLiteral("verbose"), QStringLiteral("Print every command received.")},
        {QStringLiteral("input-value"),
         QStringLiteral("Pins the input register of channel CH (1 or 2) to WORD (0..65535, or "
                        "0x0000..0xFFFF) instead of a moving input; may be given for each "
                        "channel."),
         QStringLiteral("CH=WORD")},
        {QStringLiteral("acquire"),
         QStringLiteral("ok (default) or fail: how the zero and reference acquisitions answer."),
         QStringLiteral("RESULT")},
        {QStringLiteral("ignore-write"),
         QStringLiteral("Answers writes to the register REG (two hex digits, as it is read) but "
                        "keeps its old value."),
         QStringLiteral("REG")},
    };
}

}  // namespace modsim

#include "form/ReadBack.h"

#include "form/TForm1.h"
#include "shell/ProgramState.h"

ReadBackResult ReadBackAndCompare(TForm1& form, const ConfigurationValues& expected) {
    ReadBackResult result;
    const ModuleReadOutcome read = form.ReadAll();
    if (!read.completed()) {
        result.why = read.message;
        return result;
    }
    result.read = true;
    result.module = ShownValues(form);
    result.differences =
        CompareConfigurations(expected, result.module, Comparison::ModuleAgainstFile);
    return result;
}

QString WriteDifferencesText(const QString& model, const QList<ConfigurationDifference>& found) {
    QString text = QStringLiteral("The ") + model +
                   QStringLiteral(" does not hold the configuration just written:\r");
    const SideNames names{QStringLiteral("written"),      QStringLiteral("read back"),
                          QStringLiteral("only written"), QStringLiteral("only read back"),
                          QStringLiteral("written"),      QStringLiteral("readBack")};
    for (const ConfigurationDifference& difference : found) {
        text += QLatin1Char('\r') + DifferenceLine(difference, names);
    }
    return text;
}

bool VerifyWrittenConfiguration(TForm1& form, const ConfigurationValues& written) {
    const QString port = form.state().PortShownAs(form.state().link.ComPortName);
    const ReadBackResult back = ReadBackAndCompare(form, written);
    if (!back.read) {
        form.Memo(QStringLiteral("Verifying ") + written.model +
                  QStringLiteral(" configuration on ") + port +
                  QStringLiteral(" failed: it could not be read back"));
        return false;
    }
    if (back.differences.isEmpty()) {
        form.Memo(QStringLiteral("Verified ") + written.model +
                  QStringLiteral(" configuration on ") + port);
        return true;
    }
    QStringList names;
    for (const ConfigurationDifference& difference : back.differences) {
        names << difference.name;
    }
    form.Memo(QStringLiteral("Verifying ") + written.model + QStringLiteral(" configuration on ") +
              port + QStringLiteral(": the module differs in ") + names.join(QStringLiteral(", ")));
    form.state().message(BoxKind::Warning, WriteDifferencesText(written.model, back.differences));
    return false;
}

#include "form/ReadBack.h"

#include "form/TForm1.h"
#include "form/WindowSnapshot.h"
#include "records/ConfigurationValues.h"
#include "shell/ProgramState.h"

ReadBackResult ReadBackAndCompare(TForm1& form, const ConfigurationValues& expected) {
    ReadBackResult result;
    const ModuleReadOutcome read = form.ReadAll(TForm1::ReadPurpose::Verify);
    if (!read.completed()) {
        result.why = read.message;
        return result;
    }
    result.read = true;
    result.module = ValuesOf(form.Configuration(), form.Catalogue());
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

bool TForm1::VerifyWrittenConfiguration(const ModuleConfiguration& writtenConfiguration) {
    const ConfigurationValues written = ValuesOf(writtenConfiguration, Catalogue());
    const QString port = state_.PortShownAs(state_.link.ComPortName);
    const WindowSnapshot writtenShown = TakeSnapshot();
    const ReadBackResult back = ReadBackAndCompare(*this, written);
    if (!back.read) {
        Memo(QStringLiteral("Verifying ") + written.model + QStringLiteral(" configuration on ") +
             port + QStringLiteral(" failed: it could not be read back"));
        return false;
    }
    if (back.differences.isEmpty()) {
        Memo(QStringLiteral("Verified ") + written.model + QStringLiteral(" configuration on ") +
             port);
        return true;
    }
    QStringList names;
    for (const ConfigurationDifference& difference : back.differences) {
        names << difference.name;
    }
    Memo(QStringLiteral("Verifying ") + written.model + QStringLiteral(" configuration on ") +
         port + QStringLiteral(": the module differs in ") + names.join(QStringLiteral(", ")));
    // The window keeps what the user wrote, and says the module holds something else; what the
    // module holds is in the configuration log, and the window's configuration differs from it.
    const ModuleConfiguration held = document_;
    RestoreSnapshot(writtenShown);
    baseline_ = held;
    refreshModifiedMark();
    const QString plural = names.size() == 1 ? QString() : QStringLiteral("s");
    const QString count = QString::number(names.size());
    SetStatusPanel(0, QStringLiteral("Status: Module Holds Other Values in ") + count +
                          QStringLiteral(" Parameter") + plural);
    SetStatusBox(QStringLiteral("Verifying configuration on ") + port,
                 QStringLiteral("The ") + written.model +
                     QStringLiteral(" holds other values than were written\rin ") + count +
                     QStringLiteral(" parameter") + plural + QStringLiteral(": ") +
                     names.join(QStringLiteral(", ")) + QStringLiteral("."));
    Control(QStringLiteral("BStatus")).setVisible(true);
    FormControl& box = Control(QStringLiteral("PStatus"));
    box.setVisible(true);
    box.raise();
    state_.message(BoxKind::Warning, WriteDifferencesText(written.model, back.differences));
    return false;
}

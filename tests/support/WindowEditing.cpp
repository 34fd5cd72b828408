#include "support/WindowEditing.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/RegisterWord.h"
#include "catalogue/ValueFormat.h"

const QStringList& IdentificationTraffic() {
    static const QStringList traffic{QStringLiteral("00D00000"), QStringLiteral("00D00000"),
                                     QStringLiteral("00d80000"), QStringLiteral("00d00000")};
    return traffic;
}

void ReadForWriting(WindowBench& bench) {
    bench.form->ReadAll();
    bench.form->BStatusClick();
    bench.engine().clearCommands();
}

QString ScriptProblems(const ScriptedDialogs& dialogs) {
    return dialogs.problems().join(QLatin1Char('\n'));
}

QString ShownText(const TForm1& form, const char* name) {
    return form.Control(QString::fromLatin1(name)).text();
}

void SetChecked(TForm1& form, const char* name, bool checked) {
    form.Control(QString::fromLatin1(name)).setChecked(checked);
}

void TypeInto(TForm1& form, const QString& name, const QString& text) {
    FormControl& field = form.Control(name);
    field.setText(text);
    form.OnEditLeave(field);
}

void Choose(TForm1& form, const QString& name, int index) {
    form.Choose(name, index);
}

void UseModule(SimulatedPort& bench, const modsim::PtyModule& module) {
    bench.state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), module.portName());
    bench.state.link.ComPortName = module.portName();
}

QStringList RegisterDifferences(const TForm1& form, const modsim::ModuleEngine& module) {
    const ProgramState& state = form.state();
    const QString& code = state.ModelCode;
    QStringList differences;
    for (const TTableEntry& entry : state.ParameterTable) {
        if (!AppliesToModel(entry, code)) {
            continue;
        }
        const int word = module.registerValue(entry.ReadCommand.toInt(nullptr, 16));
        QString shown;
        QString held;
        if (entry.FieldType == FieldKind::Number) {
            shown = form.Control(QStringLiteral("T") + entry.Field).text();
            held = FormatMyInt(WordToValue(word, code), entry.Decimal);
        } else {
            shown = QString::number(form.Control(QStringLiteral("C") + entry.Field).currentIndex());
            held = QString::number(word);
        }
        if (shown != held) {
            differences << entry.Field + QStringLiteral(": window ") + shown +
                               QStringLiteral(", module ") + held;
        }
    }
    return differences;
}

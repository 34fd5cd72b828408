#include "support/WindowEditing.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/EditValidation.h"
#include "catalogue/RegisterWord.h"
#include "catalogue/ValueFormat.h"

const QStringList& IdentificationTraffic() {
    static const QStringList traffic{QStringLiteral("00D00000"), QStringLiteral("00D00000"),
                                     QStringLiteral("00d80000"), QStringLiteral("00d00000")};
    return traffic;
}

void ReadForWriting(WindowBench& bench) {
    bench.form->ReadAll();
    bench.form->Click(QStringLiteral("BStatus"));
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
    form.FieldEntered(name);
    form.Typed(name, text);
    form.FieldLeft(name);
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
    const ModuleConfiguration& configuration = form.Configuration();
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = form.Catalogue()[i];
        if (!AppliesToModel(entry, code)) {
            continue;
        }
        const int word = module.registerValue(entry.ReadCommand.toInt(nullptr, 16));
        const int decimals = configuration.limits(i).decimals;
        QString shown;
        QString held;
        if (entry.FieldType == FieldKind::Number) {
            shown = ValueText(configuration, entry, i);
            held = FormatMyInt(WordToValue(word, code), decimals);
        } else {
            shown = configuration.holds(i) ? QString::number(configuration.value(i)) : "-1";
            held = QString::number(word);
        }
        if (shown != held) {
            differences << entry.Field + QStringLiteral(": window ") + shown +
                               QStringLiteral(", module ") + held;
        }
    }
    return differences;
}

int ChangeAValue(TForm1& form) {
    const ModuleConfiguration& configuration = form.Configuration();
    const TParameterTable& catalogue = form.Catalogue();
    // A value held with room to move first, as a user edits one; else one the window lacks.
    for (const bool held : {true, false}) {
        for (int i = 1; i <= TParameterTable::Count; ++i) {
            if (catalogue[i].FieldType != FieldKind::Number || configuration.holds(i) != held) {
                continue;
            }
            const ParameterLimits& limits = configuration.limits(i);
            const qint64 top = ScaledLimit(limits.maximum, limits.decimals);
            const qint64 bottom = ScaledLimit(limits.minimum, limits.decimals);
            const int value = configuration.value(i);
            if (held && value >= top && value <= bottom) {
                continue;
            }
            const int changed = !held ? int(bottom) : (value < top ? value + 1 : value - 1);
            TypeInto(form, ControlName(catalogue[i]), FormatMyInt(changed, limits.decimals));
            return i;
        }
    }
    return 0;
}

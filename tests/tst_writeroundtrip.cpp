// Read, edit, write, read again, for every model the program configures.

#include "support/FormControls.h"
#include "support/WindowEditing.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/EditValidation.h"
#include "catalogue/ValueFormat.h"
#include "link/ModelTable.h"

#include <QTest>

namespace {

// Lists whose change re-ranges the whole configuration; the round trip edits the others.
bool isRangeList(const QString& key) {
    return key.startsWith(QLatin1String("Input")) || key.startsWith(QLatin1String("Output"));
}

// Every parameter of the model as the window shows it: "key=text" for numbers, "key#index"
// for choices, with the catalogue value.
QStringList shownConfiguration(const TForm1& form) {
    const ProgramState& state = form.state();
    QStringList shown;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = form.Catalogue()[i];
        if (!AppliesToModel(entry, state.ModelCode)) {
            continue;
        }
        const QString value = QString::number(form.Configuration().value(i));
        if (entry.FieldType == FieldKind::Number) {
            shown << entry.Field + "=" + form.FindControl("T" + entry.Field)->text() + " (" +
                         value + ")";
        } else {
            shown << entry.Field + "#" +
                         QString::number(form.FindControl("C" + entry.Field)->currentIndex()) +
                         " (" + value + ")";
        }
    }
    return shown;
}

// Changes the first three numbers and the first two choices the user can edit.
int editSeveral(TForm1& form) {
    const TParameterTable& table = form.Catalogue();
    const QString model = form.state().ModelCode;
    int numbers = 0;
    int choices = 0;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = table[i];
        if (!AppliesToModel(entry, model) || isRangeList(entry.Field)) {
            continue;
        }
        if (entry.FieldType == FieldKind::Number && numbers < 3) {
            const QString name = "T" + entry.Field;
            if (!form.FindControl(name)->isEnabled()) {
                continue;
            }
            // One step of a few units in the last digit, staying inside the limits.
            const ParameterLimits& limits = form.Configuration().limits(i);
            const qint64 high = ScaledLimit(limits.maximum, limits.decimals);
            const int held = form.Configuration().value(i);
            const int value = held + 7 <= high ? held + 7 : held - 7;
            TypeInto(form, name, FormatMyInt(value, limits.decimals));
            ++numbers;
        } else if (entry.FieldType == FieldKind::Choice && choices < 2) {
            const auto* list = form.FindControl("C" + entry.Field);
            if (!list->isEnabled() || list->count() < 2) {
                continue;
            }
            Choose(form, list->objectName(), (list->currentIndex() + 1) % list->count());
            ++choices;
        }
    }
    return numbers + choices;
}

}  // namespace

class TestRoundTrip : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void readEditWriteRead_data() {
        QTest::addColumn<QString>("model");
        for (const QString& model : ConfigurableModels()) {
            QTest::newRow(qPrintable(model)) << model;
        }
    }

    void readEditWriteRead() {
        QFETCH(QString, model);
        WindowBench bench(model);
        QVERIFY(bench.started);
        TForm1& form = *bench.form;
        form.ReadAll();
        form.Click(QStringLiteral("BStatus"));
        QVERIFY(!form.ConfigurationEmpty);
        const QStringList asRead = shownConfiguration(form);

        QVERIFY(editSeveral(form) >= 3);
        const QStringList edited = shownConfiguration(form);
        QVERIFY(edited != asRead);

        QVERIFY(PressKey(form, Qt::Key_F2));
        QCOMPARE(bench.lastLogText(),
                 "Wrote " + model + " modified configuration to " + bench.port());
        const QStringList differences = RegisterDifferences(form, bench.engine());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));
        form.Click(QStringLiteral("BStatus"));

        form.ReadAll();
        QVERIFY2(bench.dialogs.problems().isEmpty(),
                 qPrintable(bench.dialogs.problems().join('\n')));
        QCOMPARE(shownConfiguration(form), edited);
    }
};

QTEST_MAIN(TestRoundTrip)
#include "tst_writeroundtrip.moc"

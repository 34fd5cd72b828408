#include "shell/ModuleAccess.h"
#include "support/WindowBench.h"
#include "support/WindowEditing.h"

#include <QTest>

class TestModuleTag : public QObject {
    Q_OBJECT

  private slots:
    void writeCommands_data() {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("channel 2, full")
            << 2 << "ABCDEFGHIJKLMNOP"
            << QStringList{"01114142", "01134344", "01154546", "01174748",
                           "0119494A", "011B4B4C", "011D4D4E", "011F4F50"};
        QTest::newRow("channel 1, short is padded")
            << 1 << "T1" << QStringList{"01015431", "01032020", "01052020", "01072020",
                                        "01092020", "010B2020", "010D2020", "010F2020"};
        QTest::newRow("empty is blanks")
            << 1 << "" << QStringList{"01012020", "01032020", "01052020", "01072020",
                                      "01092020", "010B2020", "010D2020", "010F2020"};
    }

    void writeCommands() {
        QFETCH(int, channel);
        QFETCH(QString, tag);
        QFETCH(QStringList, commands);
        QCOMPARE(TagWriteCommands(channel, tag), commands);
    }

    void writeAndReadBackThroughTheModule() {
        SimulatedPort bench("Q7383D", 6149, false);
        QVERIFY(bench.started);
        WriteTag(bench.state, 2, "PUMP 7");
        const TagReadResult read = ReadTag(bench.state, 2);
        QVERIFY(read.tag.has_value());
        QCOMPARE(*read.tag, QStringLiteral("PUMP 7          "));
        QVERIFY(bench.dialogs.problems().isEmpty());
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    void garbledTagReplyIsAFailure() {
        SimulatedPort bench("Q7383D", 6149, false);
        QVERIFY(bench.started);
        bench.engine().setFault(modsim::Fault::NonHex, 1);  // the probe answers, the tag does not
        const TagReadResult read = ReadTag(bench.state, 1);
        QVERIFY(!read.tag.has_value());
        QCOMPARE(read.failure, TagFailure::BadReply);
        QCOMPARE(read.failedRegister, 0x100);
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    void leavingATagFieldCleansIt() {
        WindowBench bench("Q7383D", 6149);
        FormControl& field = bench.form->Control("TTag1");
        bench.dialogs.expect(BoxKind::Warning, "Unadmitted characters where found in Tag name");
        TypeInto(*bench.form, "TTag1",
                 "A\tB\x01"
                 "C");
        QCOMPARE(field.text(), QStringLiteral("A?B?C"));
        TypeInto(*bench.form, "TTag1", "Clean tag");  // nothing to clean: no second warning
        QCOMPARE(field.text(), QStringLiteral("Clean tag"));
        QVERIFY2(bench.dialogs.problems().isEmpty(),
                 qPrintable(bench.dialogs.problems().join('\n')));
    }
};

QTEST_MAIN(TestModuleTag)
#include "tst_moduletag.moc"

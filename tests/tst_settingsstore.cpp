#include "shell/SettingsStore.h"

#include <QTest>

class TestSettingsStore : public QObject {
    Q_OBJECT

  private slots:
    void laterSlotWinsAndBothChange() {
        SettingsStore store;
        store.ConfigKeys(1) = QStringLiteral("A");
        store.ConfigKeys(2) = QStringLiteral("B");
        store.ConfigKeys(3) = QStringLiteral("DEFAULTCOMPORT");
        store.ConfigValues(3) = QStringLiteral("COM1");
        for (int slot = 4; slot <= 6; ++slot) {
            store.ConfigKeys(slot) = QStringLiteral("K%1").arg(slot);
        }
        store.ConfigKeys(7) = QStringLiteral("DEFAULTCOMPORT");
        store.ConfigValues(7) = QStringLiteral("COM7");

        QCOMPARE(store.ReadConfig(QStringLiteral("DEFAULTCOMPORT")), QStringLiteral("COM7"));
        QVERIFY(store.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), QStringLiteral("COM2")));
        QCOMPARE(store.ConfigValues(3), QStringLiteral("COM2"));
        QCOMPARE(store.ConfigValues(7), QStringLiteral("COM2"));
        QVERIFY(store.ConfigKeys(8).isEmpty());
    }

    void newKeyFillsFirstGapWhileLookupSeesBeyondIt() {
        SettingsStore store;
        for (int slot = 1; slot <= 4; ++slot) {
            store.ConfigKeys(slot) = QStringLiteral("K%1").arg(slot);
        }
        store.ConfigKeys(6) = QStringLiteral("AFTERGAP");
        store.ConfigValues(6) = QStringLiteral("found");

        QCOMPARE(store.ReadConfig(QStringLiteral("AFTERGAP")), QStringLiteral("found"));
        QVERIFY(store.WriteConfig(QStringLiteral("NEW"), QStringLiteral("v")));
        QCOMPARE(store.ConfigKeys(5), QStringLiteral("NEW"));
        QCOMPARE(store.ConfigValues(5), QStringLiteral("v"));
        // A key standing after the gap is not seen by WriteConfig: it is added again.
        QVERIFY(store.WriteConfig(QStringLiteral("AFTERGAP"), QStringLiteral("second")));
        QCOMPARE(store.ConfigValues(6), QStringLiteral("second"));
    }

    void lookupIsExact_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("same") << "DEFAULTCOMPORT"
                              << "COM3";
        QTest::newRow("lower case") << "defaultcomport"
                                    << "untouched";
        QTest::newRow("trailing blank") << "DEFAULTCOMPORT "
                                        << "untouched";
        QTest::newRow("prefix") << "DEFAULT"
                                << "untouched";
    }

    void lookupIsExact() {
        QFETCH(QString, asked);
        QFETCH(QString, expected);
        SettingsStore store;
        store.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), QStringLiteral("COM3"));
        QString value = QStringLiteral("untouched");
        store.ReadConfig(asked, value);
        QCOMPARE(value, expected);
    }

    void onlyCapitalYIsYes_data() {
        QTest::addColumn<QString>("stored");  // "(missing)": no such key
        QTest::addColumn<bool>("yes");
        QTest::newRow("Y") << "Y" << true;
        QTest::newRow("lower-case y") << "y" << false;
        QTest::newRow("Yes") << "Yes" << false;
        QTest::newRow("Y and a blank") << "Y " << false;
        QTest::newRow("N") << "N" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("missing") << "(missing)" << false;
    }

    void onlyCapitalYIsYes() {
        QFETCH(QString, stored);
        QFETCH(bool, yes);
        SettingsStore store;
        if (stored != QLatin1String("(missing)")) {
            store.WriteConfig(QStringLiteral("VERIFYWRITE"), stored);
        }
        QCOMPARE(store.flag(SettingFlag::VerifyWrite), yes);
        QCOMPARE(store.values().VerifyWrite, yes);
    }

    void flagIsWrittenAsYOrN() {
        SettingsStore store;
        store.WriteConfig(QStringLiteral("RUNTIMES"), QStringLiteral("4"));
        store.setFlag(SettingFlag::AutoUpdate, true);
        QCOMPARE(store.ConfigKeys(2), QStringLiteral("AUTOUPDATE"));
        QCOMPARE(store.ConfigValues(2), QStringLiteral("Y"));
        store.setFlag(SettingFlag::AutoUpdate, false);
        QCOMPARE(store.ConfigValues(2), QStringLiteral("N"));
        QCOMPARE(store.values().RunTimes, 4);
    }

    void fiftyFirstKeyIsNotStored() {
        SettingsStore store;
        for (int i = 1; i <= SettingsStore::SlotCount; ++i) {
            QVERIFY(store.WriteConfig(QStringLiteral("K%1").arg(i), QString::number(i)));
        }
        QVERIFY(!store.WriteConfig(QStringLiteral("K51"), QStringLiteral("51")));
        QCOMPARE(store.ReadConfig(QStringLiteral("K51")), QString());
        QCOMPARE(store.ConfigKeys(50), QStringLiteral("K50"));
        // Changing a stored key still works when the table is full.
        QVERIFY(store.WriteConfig(QStringLiteral("K50"), QStringLiteral("changed")));
        QCOMPARE(store.ReadConfig(QStringLiteral("K50")), QStringLiteral("changed"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"

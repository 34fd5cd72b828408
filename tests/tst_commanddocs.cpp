// The command table and what is written from it: --help in its columns, the man page naming every
// command and option, and the bash completion offering them when bash runs it.

#include "cli/CommandDocs.h"
#include "cli/CommandTable.h"
#include "link/ModelTable.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// What the completion offers for the words typed so far (the last one being completed).
QStringList completions(const QString& script, const QStringList& typed) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kvc7345"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script.toUtf8()) < 0) {
        return {QStringLiteral("(cannot write the script)")};
    }
    file.close();
    QString words;
    for (const QString& word : typed) {
        words += QStringLiteral(" '") + word + QLatin1Char('\'');
    }
    const QString program = QStringLiteral(
                                "source '%1'\n"
                                "COMP_WORDS=(%2)\n"
                                "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                                "_kvc7345\n"
                                "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
                                .arg(path, words);
    QProcess bash;
    bash.setWorkingDirectory(folder.path());
    bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), program});
    bash.waitForFinished(30'000);
    QStringList offered = QString::fromUtf8(bash.readAllStandardOutput())
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    offered.sort();
    return offered;
}

}  // namespace

class TestCommandDocs : public QObject {
    Q_OBJECT

  private slots:
    // --help keeps its two columns: a synopsis that fits leaves the summary at column 42, a
    // longer one puts it on the next lines.
    void usageLines_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("lines");
        const QString indent(42, QLatin1Char(' '));
        QTest::newRow("one line")
            << "show"
            << QStringList{
                   "  show FILE.NVC [--json] [--home DIR]     print the configuration a "
                   "file loads"};
        QTest::newRow("no arguments")
            << "sensors" << QStringList{"  sensors" + QString(33, ' ') + "list the sensor table"};
        QTest::newRow("long synopsis")
            << "read"
            << QStringList{
                   "  read (--port NAME | --demo MODEL) [--out FILE.NVC] [--json] "
                   "[--home DIR]",
                   indent + "read the module's configuration"};
        QTest::newRow("three summary lines")
            << "write"
            << QStringList{
                   "  write (--port NAME | --demo MODEL) FILE.NVC [--yes] [--verify] "
                   "[--home DIR]",
                   indent + "write a configuration file to the module;",
                   indent + "questions are answered No without --yes;",
                   indent + "--verify reads it back and fails on a difference"};
    }

    void usageLines() {
        QFETCH(QString, command);
        QFETCH(QStringList, lines);
        const QStringList usage = UsageLines();
        const qsizetype first = usage.indexOf(lines.constFirst());
        QVERIFY2(first >= 0, qPrintable(usage.join(QLatin1Char('\n'))));
        QCOMPARE(usage.mid(first, lines.size()), lines);
        QVERIFY(FindCommand(command) != nullptr);
    }

    void usageListsEveryCommandOnce() {
        const QStringList usage = UsageLines();
        QCOMPARE(usage.value(0), QStringLiteral("Usage: kvc7345 [COMMAND] [OPTIONS]"));
        for (const CommandEntry& command : CommandTable()) {
            const QString start = QStringLiteral("  ") + command.name + QLatin1Char(' ');
            const auto starts = [&](const QString& line) { return line.startsWith(start); };
            QCOMPARE(std::count_if(usage.begin(), usage.end(), starts), 1);
            QVERIFY(command.run);
            // The parser reads what the documentation promises: a value where one is shown.
            QCOMPARE(command.operandCount > 0, command.operand != ValueKind::None);
            for (const OptionEntry& option : command.options) {
                QVERIFY2((option.value == OptionValue::Required) == !option.argument.isEmpty(),
                         qPrintable(command.name + QLatin1Char(' ') + option.name));
            }
        }
        QVERIFY(FindCommand(QStringLiteral("nonsense")) == nullptr);
    }

    void manPageDescribesEveryCommandAndOption_data() {
        QTest::addColumn<QString>("command");
        for (const CommandEntry& command : CommandTable()) {
            QTest::newRow(qPrintable(command.name)) << command.name;
        }
    }

    void manPageDescribesEveryCommandAndOption() {
        QFETCH(QString, command);
        const QString page = ManPageText(QStringLiteral("1.3.2"));
        const QString section = QStringLiteral("\n.SS ") + command + QLatin1Char('\n');
        const qsizetype start = page.indexOf(section);
        QVERIFY(start >= 0);
        const qsizetype end = page.indexOf(QStringLiteral("\n.S"), start + section.size());
        const QString text = page.mid(start, end - start);
        for (const OptionEntry& option : FindCommand(command)->options) {
            QString name = option.name;
            name.replace(QLatin1Char('-'), QStringLiteral("\\-"));
            QVERIFY2(text.contains(QStringLiteral("\\fB") + name + QStringLiteral("\\fR")),
                     qPrintable(option.name));
        }
    }

    void manPageRendersWithoutWarnings_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("kvc7345") << ManPageText(QStringLiteral("1.3.2")) << ".TH KVC7345 1 ";
        QTest::newRow("kvc7345-modsim")
            << SimulatorManPageText(QStringLiteral("1.3.2")) << ".TH KVC7345\\-MODSIM 1 ";
    }

    void manPageRendersWithoutWarnings() {
        QFETCH(QString, page);
        QFETCH(QString, title);
        const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
        if (groff.isEmpty()) {
            QSKIP("groff is not installed");
        }
        QVERIFY(page.startsWith(title));
        QProcess render;
        render.start(groff, {"-man", "-Tutf8", "-ww", "-z"});
        render.write(page.toUtf8());
        render.closeWriteChannel();
        QVERIFY(render.waitForFinished(30'000));
        QCOMPARE(render.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(render.readAllStandardError()), QString());
    }

    void completion_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("a command") << QStringList{"kvc7345", "wa"} << QStringList{"watch"};
        QTest::newRow("commands starting alike")
            << QStringList{"kvc7345", "re"} << QStringList{"read", "report"};
        QTest::newRow("the window's options")
            << QStringList{"kvc7345", "--h"} << QStringList{"--help", "--home"};
        QTest::newRow("the version") << QStringList{"kvc7345", "--v"} << QStringList{"--version"};
        QTest::newRow("a command's options") << QStringList{"kvc7345", "report", "x.NVC", "--done"}
                                             << QStringList{"--done-by", "--done-for"};
        QTest::newRow("a choice of an option")
            << QStringList{"kvc7345", "watch", "--channel", ""} << QStringList{"1", "2"};
        QTest::newRow("the command's words")
            << QStringList{"kvc7345", "calibrate", ""} << QStringList{"reference", "zero"};
        QTest::newRow("a model") << QStringList{"kvc7345", "read", "--demo", "V738"}
                                 << QStringList{"V7380D", "V7380S", "V7385D", "V7385S"};
        QTest::newRow("a number takes no words")
            << QStringList{"kvc7345", "watch", "--count", ""} << QStringList{};
    }

    void completion() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, offered);
        QCOMPARE(completions(BashCompletionText(), typed), offered);
    }

    // Every option of every command, and every model, is offered.
    void completionCoversTheTable() {
        const QString script = BashCompletionText();
        for (const CommandEntry& command : CommandTable()) {
            QStringList expected;
            for (const OptionEntry& option : command.options) {
                expected << option.name;
            }
            expected.sort();
            QCOMPARE(completions(script, {"kvc7345", command.name, "--"}), expected);
        }
        QStringList models = ConfigurableModels();
        models.sort();
        QCOMPARE(completions(script, {"kvc7345", "--demo", ""}), models);
    }
};

QTEST_GUILESS_MAIN(TestCommandDocs)
#include "tst_commanddocs.moc"

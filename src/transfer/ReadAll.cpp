// Reading the connected module's whole configuration into the window.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/ModelLayout.h"
#include "catalogue/RegisterWord.h"
#include "link/Identification.h"
#include "link/ModuleTag.h"
#include "link/RegisterProtocol.h"
#include "records/Clock.h"
#include "shell/Online.h"
#include "shell/ProgramState.h"
#include "shell/TForm1.h"
#include "shell/window/WidgetFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

using namespace widgets;

namespace {

// A register that does not answer "8000" gets this many attempts in all.
constexpr int ReadAttempts = 3;
// A choice register above this is no index: the first choice is shown.
constexpr int LargestChoiceIndex = 200;
// Firmware from which the temperature converters keep module tags.
constexpr int FirstTagVersion = 259;
constexpr int StatusSettleMs = 100;
constexpr int AutomaticCloseMs = 1200;

const QString Answered = QStringLiteral("8000");

}  // namespace

void TForm1::SetStatusBox(const QString& title, const QString& text) {
    Find<QLabel>(QStringLiteral("LStatusTitle"))->setText(title);
    Find<QLabel>(QStringLiteral("LStatus"))->setText(DisplayText(text));
}

void TForm1::TBOpenComClick() {
    ReadAll();
}

void TForm1::ReadAll() {
    // Only one operation talks to the module at a time.
    if (Busy) {
        return;
    }
    if (StatusPanel(2) == QLatin1String("Modified") &&
        state_.message(BoxKind::Warning,
                       QStringLiteral("Parameters were modified.\rDo you wish to acquire new data "
                                      "and lose changes?"),
                       BoxButtons::YesNo) != BoxAnswer::Yes) {
        return;
    }
    ResetAll();
    if (!TryPort(state_)) {
        return;
    }
    QString code;
    DetectModel(state_, code);
    state_.ModelCode = code;
    if (code.isEmpty()) {
        return;  // the identification has told the user why; nothing was read
    }
    AdjustFor(code);
    CompareWorkingVersion(state_, code, state_.ModelVersion);
    AddNewSensors(state_.ParameterTable, state_.SensorTable, code, state_.ModelVersion);

    auto* model = Find<QLabel>(QStringLiteral("LModel"));
    model->setText(code);
    setHint(model, QStringLiteral("SW Rev. ") + QString::number(state_.ModelVersion));
    Find<QLabel>(QStringLiteral("LModelTop"))->setText(code);

    Busy = true;
    const QString port = state_.link.ComPortName;
    QWidget* box = FindControl(QStringLiteral("PStatus"));
    FindControl(QStringLiteral("BStatus"))->setVisible(false);
    FindControl(QStringLiteral("PageControl1"))->setEnabled(false);
    box->setVisible(true);
    SetStatusBox(QStringLiteral("Reading configuration from ") + port,
                 QStringLiteral("Please wait while parameters\r are retrieved from the ") + code);
    box->raise();
    Sleep(StatusSettleMs);

    // Ends the read without a half configuration on screen, saying where it stopped.
    auto fail = [&](const QString& why) {
        ResetAll();
        SetStatusBox(QStringLiteral("Reading configuration from ") + port, why);
        FindControl(QStringLiteral("BStatus"))->setVisible(true);
        Memo(QStringLiteral("Reading ") + code + QStringLiteral(" configuration from ") + port +
             QStringLiteral(" failed"));
        Busy = false;
    };

    if (code.contains(QLatin1String("Q738")) && state_.ModelVersion >= FirstTagVersion) {
        const int channels = code == QLatin1String("Q7383D") ? 2 : 1;
        for (int channel = 1; channel <= channels; ++channel) {
            const TagReadResult tag = ReadTag(state_, channel);
            if (!tag.tag) {
                fail(QStringLiteral("The module did not send tag %1 correctly.").arg(channel));
                return;
            }
            auto* field = Find<QLineEdit>(QStringLiteral("TTag%1").arg(channel));
            field->setEnabled(true);
            setTextColour(FindControl(QStringLiteral("LTag%1").arg(channel)), Black);
            field->setText(*tag.tag);
        }
    }
    Find<QLabel>(QStringLiteral("LSourceRight"))->setText(port);

    SerialLink& link = state_.link;
    link.ComHandle = link.OpenComm(state_.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")));
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        TTableEntry& entry = state_.ParameterTable[i];
        if (!AppliesToModel(entry, code)) {
            continue;
        }
        QString reply;
        for (int attempt = 0; attempt < ReadAttempts && !reply.startsWith(Answered); ++attempt) {
            reply = link.WriteReadComm(
                link.ComHandle, QStringLiteral("00") + entry.ReadCommand + QStringLiteral("0000"));
        }
        const auto word = ParseHexWord(ReplyData(reply));
        if (!reply.startsWith(Answered) || !word) {
            link.ShutDownComm(link.ComHandle);
            fail(reply.startsWith(Answered)
                     ? QStringLiteral("The module sent an invalid value\rfor ") + entry.Name +
                           QStringLiteral(".")
                     : QStringLiteral("The module stopped answering\rat ") + entry.Name +
                           QStringLiteral("."));
            return;
        }
        if (entry.FieldType == FieldKind::Number) {
            entry.Value = WordToValue(*word, code);
        } else {
            entry.Value = *word > LargestChoiceIndex ? 0 : *word;
        }
        ShowField(i);
    }
    link.ShutDownComm(link.ComHandle);

    for (const char* name : {"CInputTm1", "CInputTm2", "CInputHz1", "CInput1", "CInput2"}) {
        if (auto* list = Find<QComboBox>(QString::fromLatin1(name)); widgets::isEnabled(list)) {
            UpdateLimits(list);
        }
    }
    for (const char* name : {"CCJCom1", "CCJCom2"}) {
        if (auto* list = Find<QComboBox>(QString::fromLatin1(name)); widgets::isEnabled(list)) {
            CCJComClick(list);
        }
    }
    for (const char* name : {"CType1A", "CType2A", "CType1B", "CType2B"}) {
        if (auto* list = Find<QComboBox>(QString::fromLatin1(name)); widgets::isEnabled(list)) {
            Modified(list);
        }
    }

    FindControl(QStringLiteral("TabSheet1"))->setEnabled(true);
    Find<QLabel>(QStringLiteral("LStatus"))
        ->setText(code + QStringLiteral(" parameters correctly loaded."));
    FindControl(QStringLiteral("BStatus"))->setVisible(true);
    CheckAll(QStringLiteral("read"));
    if (Find<QCheckBox>(QStringLiteral("CBCloseInfoPositiveRead"))->isChecked()) {
        Sleep(AutomaticCloseMs);
        BStatusClick();
    }
    ConfigurationEmpty = false;
    state_.ConfigurationDate = Today();
    Memo(QStringLiteral("Read ") + code + QStringLiteral(" configuration from ") + port);

    auto* dataSheet = Find<QLabel>(QStringLiteral("LDataSheet"));
    const bool link_shown =
        Online(state_) &&
        state_.settings.ReadConfig(QStringLiteral("ONLINEPLINK")) == QLatin1String("Y");
    dataSheet->setText(code + QStringLiteral(" Online information"));
    dataSheet->setVisible(link_shown);
    Busy = false;
    WriteToFile(QStringLiteral("backup"));
}

// The main window off-screen: its layout per model, the binding of parameters to controls, the
// edit validation, the half-second refresh and the reset key.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/ModelLayout.h"
#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "support/FormControls.h"
#include "support/FormProbe.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowEditing.h"
#include "window/ChartHost.h"
#include "window/MainWindow.h"
#include "window/WidgetFactory.h"

#include <QChartView>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

namespace {

constexpr unsigned BlackRgb = 0x000000;
constexpr unsigned SilverRgb = 0xC0C0C0;

unsigned rgbOf(const FormControl* control) {
    return control->colour() & 0xFFFFFFu;
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A window with its own program state; message boxes are answered from a script.
struct Window {
    ScriptedDialogs dialogs;
    ProgramState state{dialogs};
    TForm1 form{state};
    ConfiguratorWindow window{form};

    // The value the shown configuration holds for the parameter with that key.
    int value(const QString& key) const {
        return form.Configuration().value(IndexOfKey(form.Catalogue(), key).value());
    }
    FormControl* get(const QString& name) const { return form.FindControl(name); }
    // The widget that shows a control.
    template <class T = QWidget>
    T* widget(const QString& name) {
        return window.Find<T>(name);
    }
};

// The user picks item `index` of a list: the selection moves, then the list reports the choice.
void choose(Window& w, const QString& list, int index) {
    w.form.Choose(list, index);
}

FieldKind fieldKind(const QString& kind) {
    return kind == QLatin1String("C") ? FieldKind::Choice : FieldKind::Number;
}

// Puts a configuration on screen the way a read from a module does: reset, layout, firmware
// adaptation, the values ("Key=value ..."), every field of the model shown, and then the
// dependent fields follow their lists.
void showConfiguration(Window& w, const QString& model, int version, const QString& values) {
    w.state.ModelCode = model;
    w.state.ModelVersion = version;
    FormProbe::LayOutFor(w.form, model);
    w.state.AdaptCatalogue(model, version);
    const TParameterTable& catalogue = w.state.ParameterTable();
    ModuleConfiguration configuration = EmptyConfiguration(model, version, catalogue);
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        if (AppliesToModel(catalogue[i], model)) {
            configuration.set(i, 0);
        }
    }
    for (const QString& pair : values.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        configuration.set(IndexOfKey(catalogue, pair.section(QLatin1Char('='), 0, 0)).value(),
                          pair.section(QLatin1Char('='), 1).toInt());
    }
    w.form.ShowConfiguration(configuration);
    FormProbe::MarkUnmodified(w.form);
    // In this order: sensor lists, cold-junction lists, alarm types; each only when enabled, and
    // each as if the user chose the item it shows.
    for (const char* name : {"CInputTm1", "CInputTm2", "CInputHz1", "CInput1", "CInput2", "CCJCom1",
                             "CCJCom2", "CType1A", "CType2A", "CType1B", "CType2B"}) {
        if (const FormControl& list = w.form.Control(QLatin1String(name)); list.isEnabled()) {
            w.form.Choose(QLatin1String(name), list.currentIndex());
        }
    }
    w.form.ConfigurationEmpty = false;
}

// "on": black caption and enabled control; "off": silver caption and disabled control; a unit
// label that shows a unit must have the caption's colour. Anything else is spelt out.
QString fieldState(const TForm1& form, const QString& key, const QString& kind) {
    const FormControl* caption = form.FindControl(QStringLiteral("L") + key);
    const FormControl* value = form.FindControl(kind + key);
    if (caption == nullptr || value == nullptr) {
        return QStringLiteral("missing");
    }
    const FormControl* unit = form.FindControl(QStringLiteral("L") + key + QStringLiteral("DIM"));
    const unsigned colour = rgbOf(caption);
    if (unit == nullptr || kind == QLatin1String("C") || unit->text().isEmpty() ||
        rgbOf(unit) == colour) {
        if (colour == BlackRgb && value->isEnabled()) {
            return QStringLiteral("on");
        }
        if (colour == SilverRgb && !value->isEnabled()) {
            return QStringLiteral("off");
        }
    }
    return QStringLiteral("caption %1, unit %2, control %3")
        .arg(colour, 6, 16, QLatin1Char('0'))
        .arg(unit ? rgbOf(unit) : 0u, 6, 16, QLatin1Char('0'))
        .arg(value->isEnabled() ? "enabled" : "disabled");
}

// The input selectors whose control ("C") or label ("L") is on screen, or that are enabled
// ("enabled").
QString selectors(const TForm1& form, const QString& what) {
    const bool enabled = what == QLatin1String("enabled");
    QStringList keys;
    for (const char* key : {"Input1", "InputTm1", "InputHz1", "Input2", "InputTm2"}) {
        const FormControl* control =
            form.FindControl((enabled ? QStringLiteral("C") : what) + QLatin1String(key));
        if (control != nullptr && (enabled ? control->isEnabled() : control->isVisible())) {
            keys << QLatin1String(key);
        }
    }
    return keys.join(QLatin1Char(' '));
}

// The lit heading panels (black, not lowered); one neither lit nor grey (silver, lowered) is
// listed with a "?".
QString litHeadings(const TForm1& form) {
    const std::pair<const char*, const char*> headings[] = {
        {"in1", "PInputChannel1"},   {"in2", "PInputChannel2"},   {"out1", "POutputChannel1"},
        {"out2", "POutputChannel2"}, {"limits", "POutputLimit1"}, {"1A", "PAlarmAChannel1"},
        {"1B", "PAlarmBChannel1"},   {"2A", "PAlarmAChannel2"},   {"2B", "PAlarmBChannel2"}};
    QStringList lit;
    for (const auto& [code, name] : headings) {
        const FormControl* panel = form.FindControl(QLatin1String(name));
        const bool lowered = !panel->isRaisedFrame();
        if (rgbOf(panel) == BlackRgb && !lowered) {
            lit << QLatin1String(code);
        } else if (rgbOf(panel) != SilverRgb || !lowered) {
            lit << QLatin1String("?") + QLatin1String(code);
        }
    }
    return lit.join(QLatin1Char(' '));
}

// The non-empty group captions, in the order input, output, alarms, tag, calibration, Modbus.
QString groupCaptions(const TForm1& form) {
    QStringList captions;
    for (const char* name : {"GBInput", "GBOutput", "GBAlarmA", "GBAlarmB", "GBChannelTags",
                             "GBCalibration", "GBModbus"}) {
        const QString title = form.Control(QLatin1String(name)).title();
        if (!title.isEmpty()) {
            captions << title;
        }
    }
    return captions.join(QLatin1Char('/'));
}

// The layout after a reset and AdjustFor, for one model or for one model after another.
struct LayoutRow {
    const char* name;
    const char* previous;
    const char* model;
    int version;
    const char* shown;  // selectors on screen with their labels
    const char* enabled;
    const char* lit;
    const char* captions;
    const char* panel1;
    const char* relays;     // LRelay1A|LRelay1B|LRelay2A
    const char* fifthType;  // item 4 of Type1A|Type1B
    bool acquisition;
};

constexpr const char *An = "Input1 Input2", *Tm = "InputTm1 Input2", *Tm2 = "InputTm1 InputTm2";
constexpr const char *Al = "in1 out1 1A 1B", *Two = "in1 in2 out1 out2",
                     *All = "in1 in2 out1 out2 1A 1B 2A 2B";
constexpr const char *CAl = " OUTPUT / ALARM CH 1 / INPUT TAG ", *C1 = " OUTPUT / INPUT TAG ",
                     *C2 = " INPUT / OUTPUT / INPUT TAG ",
                     *CAll = " INPUT / OUTPUT / ALARM CH 1 / ALARM CH 2 / INPUT TAG ",
                     *CLoad = " OUTPUT / TAG / CALIBRATION / MODBUS ";
constexpr const char *Rl = "Relay|Relay|Relay",
                     *Design = "Relay:|Relay:|Relay:", *Oc = "OC Transistor|OC Transistor|Relay:";
constexpr const char *Bo = "Burnout|Burnout", *Pu = "Pulse|";

// clang-format off
const LayoutRow LayoutRows[] = {
    {"Q7321S", "", "Q7321S", 300, An, "Input1", "in1 1A 1B", " ALARM CH 1 / INPUT TAG ", "Q7321S: Analog Signal Trip Amplifier", Rl, Bo, false},
    {"Q7323S", "", "Q7323S", 300, An, "Input1", "in1 out1", C1, "Q7323S: Analog Signal Converter", Rl, Bo, false},
    {"Q7323D", "", "Q7323D", 300, An, An, Two, C2, "Q7323D: Analog Signal Converter", Rl, Bo, false},
    {"Q7323X", "", "Q7323X", 300, An, "Input1", Two, C2, "Q7323X: Analog Signal Converter", Rl, Bo, false},
    {"Q7323Y", "", "Q7323Y", 300, An, "Input1", Two, C2, "Q7323Y: Analog Signal Converter", Rl, Bo, false},
    {"Q7324S", "", "Q7324S", 300, An, "Input1", Al, CAl, "Q7324S: Analog Signal Conv. and Trip Amplif.", Rl, Bo, false},
    {"Q7326S", "", "Q7326S", 300, An, "Input1", Al, CAl, "Q7326S: Repeater Power Supply and Trip Amplif.", Rl, Bo, false},
    {"Q7351S", "", "Q7351S", 300, "InputHz1 Input2", "InputHz1", Al, CAl, "Q7351S: Frequency Input Converter and Trip Amplifier", Oc, Pu, false},
    {"Q7356S", "", "Q7356S", 300, An, "Input1", "out1 out2 limits", CLoad, "Q7356S: Load Cell/Strain Gauge Bridge Isolating Converter", Design, Bo, true},
    {"Q7381S", "", "Q7381S", 300, Tm, "InputTm1", Al, CAl, "Q7381S: Temperature Trip Amplifier", Rl, Bo, false},
    {"Q7383S", "", "Q7383S", 300, Tm, "InputTm1", "in1 out1", C1, "Q7383S: Temperature Converter", Rl, Bo, false},
    {"Q7383D", "", "Q7383D", 300, Tm2, Tm2, Two, C2, "Q7383D: Temperature Converter", Rl, Bo, false},
    {"Q7383X", "", "Q7383X", 300, Tm, "InputTm1", Two, C2, "Q7383X: Temperature Converter", Rl, Bo, false},
    {"Q7383Y", "", "Q7383Y", 300, Tm, "InputTm1", Two, C2, "Q7383Y: Temperature Converter", Rl, Bo, false},
    {"Q7384S", "", "Q7384S", 300, Tm, "InputTm1", Al, CAl, "Q7384S: Temperature Converter Trip Amplifier", Rl, Bo, false},
    {"V7320S", "", "V7320S", 300, An, "Input1", Al, CAl, "V7320S: Analog Signal Converter and Trip Amplifier Eurocard", Rl, Bo, false},
    {"V7320D", "", "V7320D", 300, An, An, All, CAll, "V7320D: Analog Signal Converter and Trip Amplifier Eurocard", Rl, Bo, false},
    {"V7325S", "", "V7325S", 300, An, "Input1", "in1 out1", C1, "V7325S: Analog Signal Converter Eurocard", Rl, Bo, false},
    {"V7325D", "", "V7325D", 300, An, An, Two, C2, "V7325D: Analog Signal Converter Eurocard", Rl, Bo, false},
    {"V7380S", "", "V7380S", 300, Tm2, Tm2, All, CAll, "V7380S: Temperature Converter and Trip Amplifier Eurocard", Rl, Bo, false},
    {"V7380D", "", "V7380D", 300, Tm2, Tm2, All, CAll, "V7380D: Temperature Converter and Trip Amplifier Eurocard", Rl, Bo, false},
    {"V7385S", "", "V7385S", 300, Tm, "InputTm1", "in1 out1", C1, "V7385S: Temperature Converter Eurocard", Rl, Bo, false},
    {"V7385D", "", "V7385D", 300, Tm2, Tm2, Two, C2, "V7385D: Temperature Converter Eurocard", Rl, Bo, false},
    // The firmware decides the tag group's caption and the temperature family's output limits.
    {"Q7383S fw 6146", "", "Q7383S", 6146, Tm, "InputTm1", "in1 out1 limits", " OUTPUT / TAG ", "Q7383S: Temperature Converter", Rl, Bo, false},
    {"Q7383S fw 6145", "", "Q7383S", 6145, Tm, "InputTm1", "in1 out1", C1, "Q7383S: Temperature Converter", Rl, Bo, false},
    {"V7385D fw 6146", "", "V7385D", 6146, Tm2, Tm2, "in1 in2 out1 out2 limits", " INPUT / OUTPUT / TAG ", "V7385D: Temperature Converter Eurocard", Rl, Bo, false},
    {"Q7324S fw 6146", "", "Q7324S", 6146, An, "Input1", Al, CAl, "Q7324S: Analog Signal Conv. and Trip Amplif.", Rl, Bo, false},
    {"Q7323S fw 258", "", "Q7323S", 258, An, "Input1", "in1 out1", " OUTPUT ", "Q7323S: Analog Signal Converter", Rl, Bo, false},
    {"Q7356S fw 258", "", "Q7356S", 258, An, "Input1", "out1 out2 limits", CLoad, "Q7356S: Load Cell/Strain Gauge Bridge Isolating Converter", Design, Bo, true},
    // Texts that a model's row does not rewrite stay as the previous model left them.
    {"Q7351S, then Q7324S", "Q7351S", "Q7324S", 300, An, "Input1", Al, CAl, "Q7324S: Analog Signal Conv. and Trip Amplif.", Rl, Bo, false},
    {"Q7324S, then Q7351S", "Q7324S", "Q7351S", 300, "InputHz1 Input2", "InputHz1", Al, CAl, "Q7351S: Frequency Input Converter and Trip Amplifier", "OC Transistor|OC Transistor|Relay", Pu, false},
    {"Q7351S, then Q7356S", "Q7351S", "Q7356S", 300, An, "Input1", "out1 out2 limits", CLoad, "Q7356S: Load Cell/Strain Gauge Bridge Isolating Converter", Oc, Bo, true},
    {"Q7351S, then a code without row", "Q7351S", "Q7399Z", 300, "InputHz1 Input2", "", "", " INPUT TAG ", "", Oc, Bo, false},
    {"Q7356S, then a Q738 code without row, fw 6146", "Q7356S", "Q7389Z", 6146, An, "", "limits", " TAG ", "", Design, Bo, false},
};
// clang-format on

// The parameters' captions, kinds and unit labels as the first page shows them.
struct Binding {
    const char* keys;
    const char* caption;
    const char* kind;
    bool unit;
};

// clang-format off
const Binding Bindings[] = {
    {"Input1 InputHz1", "Input ", "C", false},
    {"Input2 InputTm2", "Input:", "C", false},
    {"InputTm1", "Sensor:", "C", false},
    {"Lead1 Lead2", "Lead:", "C", false},
    {"Downscale1 Downscale2", "Downscale:", "T", true},
    {"Upscale1 Upscale2", "Upscale:", "T", true},
    {"BurnoutLow1 BurnoutLow2", "Burnout Low:", "T", true},
    {"BurnoutHigh1 BurnoutHigh2", "Burnout High:", "T", true},
    {"CJCom1 CJCom2", "Cold Junction:", "C", false},
    {"CJRef1 CJRef2", "CJ Reference:", "T", true},
    {"RTDLineRef1 RTDLineRef2", "RTD line resist.:", "T", true},
    {"Output1 Output2", "Output:", "C", false},
    {"Burn1 Burn2", "Burnout:", "C", false},
    {"Function1 Function2", "Function:", "C", false},
    {"OutputmA", "Output mA:", "C", false},
    {"OutputV", "Output V:", "C", false},
    {"LimitmALow1", "mA working:", "T", false},
    {"LimitmALowLow1", "mA Burnout:", "T", false},
    {"LimitVLow1", "V working:", "T", false},
    {"LimitVLowLow1", "V Burnout:", "T", false},
    {"LimitmAHigh1 LimitmAHighHigh1 LimitVHigh1 LimitVHighHigh1", "-", "T", false},
    {"Type1A Type1B Type2A Type2B", "Type:", "C", false},
    {"Set1A Set1B Set2A Set2B", "Set:", "T", true},
    {"Hysteresis1A Hysteresis1B Hysteresis2A Hysteresis2B", "Hysteresis:", "T", true},
    {"OnDelay1A OnDelay1B", "ON Delay:", "T", true},
    {"OnDelay2A OnDelay2B", "On Delay:", "T", true},
    {"OffDelay1A OffDelay1B", "OFF Delay:", "T", true},
    {"Divider1A Divider2A", "Divider:", "C", false},
    {"Relay1A Relay1B Relay2A Relay2B", "Relay:", "C", false},
    {"BurnoutOperation1A BurnoutOperation1B BurnoutOperation2A BurnoutOperation2B", "BurnOut Oper:", "C", false},
    {"CalReference", "Reference:", "T", false},
    {"CalRange", "Range:", "T", false},
    {"ModbusAddress", "Address:", "T", false},
    {"ModbusBaudrate", "Baudrate:", "C", false},
    {"ModbusFormat", "Format:", "C", false},
};
// clang-format on

// Rows are named by their first member; each data function hands the row's index to its test.
template <class Row, std::size_t N>
void addRows(const Row (&rows)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i) {
        QTest::newRow(rows[i].name) << static_cast<int>(i);
    }
}

// One parameter of a shown Q7383S (fw 6146, Pt 100) greyed and enabled again; its text and
// hints must stay.
struct FieldStateRow {
    const char *name, *kind;
    bool unit;
    const char *shown, *hint, *caption;  // caption: the label's hint
};

const FieldStateRow FieldStateRows[] = {
    {"LimitmALow1", "T", false, "4.000", "Range from 0 to 22 (mA)",
     "mA Low Limit (normal operation)"},
    {"Downscale1", "T", true, "-100.0", "Range from -200 to 850 (°C)", "Downscale 1"},
    {"Lead1", "C", false, "4 wire", "Hint: Lead 1", "Lead 1"},
};

// A number typed into an edit and the edit left.
struct TypedRow {
    const char *name, *model;
    int version;
    const char *values, *edit, *typed, *locale, *shown;
    const char* key;  // the entry that takes the number; "" for none
    int stored;
    const char* warning;
};

constexpr const char* Pt = "InputTm1=11 Downscale1=500";  // Pt 100: -200 to 850 °C, 1 decimal
constexpr const char* Numeric = "Please insert only numeric values.";

// clang-format off
const TypedRow TypedRows[] = {
    {"comma", "Q7383S", 300, Pt, "TDownscale1", "12,34", "C", "12.3", "Downscale1", 123, ""},
    {"point", "Q7383S", 300, Pt, "TDownscale1", "12.34", "C", "12.3", "Downscale1", 123, ""},
    {"below a tenth", "Q7383S", 300, Pt, "TDownscale1", "-0.05", "C", "0.0", "Downscale1", 0, ""},
    {"German comma", "Q7383S", 300, Pt, "TDownscale1", "12,34", "de_DE", "12,3", "Downscale1", 123, ""},
    {"German point", "Q7383S", 300, Pt, "TDownscale1", "12.34", "de_DE", "12,3", "Downscale1", 123, ""},
    {"two points", "Q7383S", 300, Pt, "TDownscale1", "1.2.3", "C", "50.0", "Downscale1", 500, Numeric},
    {"comma and point", "Q7383S", 300, Pt, "TDownscale1", "1,2.3", "C", "50.0", "Downscale1", 500, Numeric},
    {"above the maximum", "Q7383S", 300, Pt, "TDownscale1", "2000", "C", "850.0", "Downscale1", 8500,
     "Downscale 1 for specified sensor has a maximum allowed value of 850 °C"},
    {"below the minimum", "Q7383S", 300, Pt, "TDownscale1", "-300", "C", "-200.0", "Downscale1", -2000,
     "Downscale 1 for specified sensor has a minimum allowed value of -200 °C"},
    {"0.29, two decimals", "Q7383S", 6145, "InputTm1=11", "TRTDLineRef1", "0.29", "C", "0.29", "RTDLineRef1", 29, ""},
    {"4,35, two decimals", "Q7383S", 6145, "InputTm1=11", "TRTDLineRef1", "4,35", "C", "4.35", "RTDLineRef1", 435, ""},
    {"empty Modbus address", "Q7356S", 300, "ModbusAddress=5", "TModbusAddress", "", "C", "1", "ModbusAddress", 1,
     "Modbus Address for specified sensor has a minimum allowed value of 1 address"},
    {"off-delay 2A above its maximum", "V7320D", 300, "", "TOffDelay2A", "2000", "C", "1000.0", "", 0,
     "Alarm A Ch 2 Off Delay for specified sensor has a maximum allowed value of 1000 sec"},
    {"off-delay 2B", "V7320D", 300, "", "TOffDelay2B", "12,34", "C", "12.3", "", 0, ""},
};
// clang-format on

// A sensor chosen by the user (or none: "" list) and one parameter whose limits follow it.
struct SensorRow {
    const char *name, *model;
    int version;
    const char *values, *list;
    int choice;
    const char* key;
    int stored;
    const char *shown, *hint, *unit;
    bool input1Enabled;
};

// Sensors by index: 3 "TC K", 8 "TC T", 11 "Pt 100", 23 "TC A1"; 0 "mA dC (I)", 1 "V dc (E)".
// clang-format off
const SensorRow SensorRows[] = {
    {"TC K clamps a downscale of 2000.0", "Q7383S", 300, "InputTm1=23 Downscale1=20000", "CInputTm1", 3, "Downscale1", 13500, "1350.0", "Range from -250 to 1350 (°C)", "°C", false},
    // One sensor list for two outputs: the channel-1 choice sets the second output too.
    {"Q7323X, channel 2 follows", "Q7323X", 300, "Input1=0 Downscale2=20000", "CInput1", 1, "Downscale2", 12000, "12.000", "Range from -2 to 12 (V)", "V", true},
    {"Q7323Y, channel 2 follows", "Q7323Y", 300, "Input1=0 Downscale2=20000", "CInput1", 1, "Downscale2", 12000, "12.000", "Range from -2 to 12 (V)", "V", true},
    {"Q7383X, channel 2 follows", "Q7383X", 300, "InputTm1=11 Downscale2=8000", "CInputTm1", 8, "Downscale2", 4000, "400.0", "Range from -250 to 400 (°C)", "°C", false},
    {"Q7383Y, channel 2 follows", "Q7383Y", 300, "InputTm1=11 Downscale2=8000", "CInputTm1", 8, "Downscale2", 4000, "400.0", "Range from -250 to 400 (°C)", "°C", false},
    {"Q7323D, channel 2 keeps its own", "Q7323D", 300, "Input1=0 Input2=0 Downscale2=20000", "CInput1", 1, "Downscale2", 20000, "20.000", "Range from -4 to 24 (mA)", "mA", true},
    {"Q7383D, channel 2 keeps its own", "Q7383D", 300, "InputTm1=11 InputTm2=11 Downscale2=8000", "CInputTm1", 8, "Downscale2", 8000, "800.0", "Range from -200 to 850 (°C)", "°C", false},
    {"seven characters shown whole", "Q7324S", 300, "Input1=0 Hysteresis1A=123456", "CInput1", 1, "Hysteresis1A", 123456, "123.456", "Range from 0 to 500 (V)", "V", true},
    // The input list of these models holds no sensor; their limits are those of "mA dC (I)".
    {"Q7326S reads mA", "Q7326S", 300, "Downscale1=30000", "", 0, "Downscale1", 24000, "24.000", "Range from -4 to 24 (mA)", "mA", false},
    {"Q7356S reads mA", "Q7356S", 7168, "LimitmALow1=30000", "", 0, "LimitmALow1", 22000, "22.000", "Range from 0 to 22 (mA)", "", false},
};
// clang-format on

// A choice by the user and the fields that depend on it ("on" enabled, "off" greyed).
struct DependentRow {
    const char *name, *model;
    int version;
    const char *values, *list;
    int choice;
    const char *fields, *states;
};

constexpr const char* Line1 = "CLead1 TRTDLineRef1 CCJCom1 TCJRef1";
constexpr const char* A1A = "TSet1A THysteresis1A TOnDelay1A TOffDelay1A CDivider1A CRelay1A";
constexpr const char* A1B = "TSet1B THysteresis1B TOnDelay1B TOffDelay1B CRelay1B";
constexpr const char* A2A = "TSet2A THysteresis2A TOnDelay2A TOffDelay2A CDivider2A CRelay2A";
constexpr const char* A2B = "TSet2B THysteresis2B TOnDelay2B TOffDelay2B CRelay2B";

// Alarm types by index: 0 "Off", 1 "High", 2 "Low", 4 "Burnout" ("Pulse" on Q7351S).
// clang-format off
const DependentRow DependentRows[] = {
    // Cold-junction compensation "Fixed" (CJCom1=1): the reference goes with the compensation.
    {"fw 258, thermocouple", "Q7383S", 258, "CJCom1=1 InputTm1=11", "CInputTm1", 3, Line1, "off off off off"},
    {"fw 258, RTD", "Q7383S", 258, "CJCom1=1 InputTm1=3", "CInputTm1", 11, Line1, "on off off off"},
    {"fw 259, thermocouple", "Q7383S", 259, "CJCom1=1 InputTm1=11", "CInputTm1", 3, Line1, "off off on on"},
    {"fw 259, RTD", "Q7383S", 259, "CJCom1=1 InputTm1=3", "CInputTm1", 11, Line1, "on on off off"},
    {"channel 2 RTD", "Q7383D", 6145, "InputTm1=3 InputTm2=3", "CInputTm2", 11, "CLead2 TRTDLineRef2 CCJCom2 CLead1 CCJCom1", "on on off off on"},
    {"compensation Fixed", "Q7383D", 6145, "InputTm1=3 InputTm2=3 CJCom2=0", "CCJCom2", 1, "TCJRef2 TCJRef1", "on off"},
    {"compensation Automatic", "Q7383D", 6145, "InputTm1=3 InputTm2=3 CJCom2=1", "CCJCom2", 0, "TCJRef2 TCJRef1", "off off"},
    {"alarm Off", "Q7324S", 300, "Type1A=1", "CType1A", 0, A1A, "off off off off off off"},
    {"alarm Burnout", "Q7324S", 300, "Type1A=1", "CType1A", 4, A1A, "off off off off off on"},
    // Off delays only where the model has one: the type rules ask for it from firmware 259 on.
    {"alarm High", "Q7324S", 300, "Type1A=0", "CType1A", 1, A1A, "on on on off off on"},
    {"alarm High, fw 258", "Q7324S", 258, "Type1A=0", "CType1A", 1, A1A, "on on on off off on"},
    {"alarm High, Q7326S fw 258", "Q7326S", 258, "Type1B=0", "CType1B", 1, A1B, "on on on on on"},
    {"alarm Pulse after Off", "Q7351S", 300, "Type1A=0", "CType1A", 4, A1A, "off off off off on off"},
    {"alarm Pulse after High", "Q7351S", 300, "Type1A=1", "CType1A", 4, A1A, "off off off off on off"},
    {"alarm High on Q7351S", "Q7351S", 300, "Type1A=0", "CType1A", 1, A1A, "on on on off on on"},
    {"alarm Off on Q7351S", "Q7351S", 300, "Type1A=1", "CType1A", 0, A1A, "off off off off off off"},
    {"alarm 2A Burnout", "V7320D", 300, "Type2A=1", "CType2A", 4, A2A, "off off off off off on"},
    {"alarm 2B Low", "V7320D", 300, "Type2B=0", "CType2B", 2, A2B, "on on on off on"},
};
// clang-format on

// Numbers are shown with the decimal separator of the default locale; a row may choose it.
struct DefaultLocale {
    explicit DefaultLocale(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::c()); }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // --- Layout per model ---------------------------------------------------------------------

    void layout_data() { addRows(LayoutRows); }

    void layout() {
        QFETCH(int, row);
        const LayoutRow& expected = LayoutRows[row];
        Window w;
        w.state.ModelVersion = expected.version;
        for (const char* code : {expected.previous, expected.model}) {
            if (*code != '\0') {
                w.state.ModelCode = text(code);
                FormProbe::LayOutFor(w.form, text(code));
                w.state.AdaptCatalogue(text(code), expected.version);
            }
        }
        QCOMPARE(selectors(w.form, QStringLiteral("C")), text(expected.shown));
        QCOMPARE(selectors(w.form, QStringLiteral("L")), text(expected.shown));
        QCOMPARE(selectors(w.form, QStringLiteral("enabled")), text(expected.enabled));
        QCOMPARE(litHeadings(w.form), text(expected.lit));
        QCOMPARE(groupCaptions(w.form), text(expected.captions));
        QCOMPARE(w.form.StatusPanel(1), text(expected.panel1));
        QStringList relays;
        for (const char* name : {"LRelay1A", "LRelay1B", "LRelay2A"}) {
            relays << w.get(QLatin1String(name))->text();
        }
        QCOMPARE(relays.join(QLatin1Char('|')), text(expected.relays));
        const auto item = [&w](const char* key) {
            return w.form.Catalogue()[IndexOfKey(w.form.Catalogue(), key).value()].Items[4];
        };
        QCOMPARE(item("Type1A") + QLatin1Char('|') + item("Type1B"), text(expected.fifthType));
        QCOMPARE(w.get(QStringLiteral("BAquireZero"))->isEnabled(), expected.acquisition);
        QCOMPARE(w.get(QStringLiteral("BAquireReference"))->isEnabled(), expected.acquisition);
    }

    // --- Field binding ------------------------------------------------------------------------

    void bindingOfEveryKey_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Bindings)); ++i) {
            QTest::newRow(Bindings[i].keys) << i;
        }
    }

    void bindingOfEveryKey() {
        QFETCH(int, row);
        const Binding& b = Bindings[row];
        const QString kind = text(b.kind);
        Window w;
        for (const QString& key : text(b.keys).split(QLatin1Char(' '))) {
            const FormControl* label = w.get(QStringLiteral("L") + key);
            QVERIFY2(label != nullptr, qPrintable(key));
            QCOMPARE(label->text(), text(b.caption));
            // At design every caption is silver and every value control disabled; unit labels
            // are black but disabled.
            QCOMPARE(fieldState(w.form, key, kind), QStringLiteral("off"));
            const FormControl* unit = w.get(QStringLiteral("L") + key + QStringLiteral("DIM"));
            QCOMPARE(unit != nullptr, b.unit);
            if (unit != nullptr) {
                QCOMPARE(rgbOf(unit), BlackRgb);
                QVERIFY(!unit->isEnabled());
            }
            if (kind == QLatin1String("C")) {
                QVERIFY2(w.get(QStringLiteral("C") + key) != nullptr, qPrintable(key));
                continue;
            }
            auto* edit = w.widget<QLineEdit>(QStringLiteral("T") + key);
            QVERIFY2(edit != nullptr, qPrintable(key));
            QVERIFY(edit->alignment() & Qt::AlignRight);
            edit->setEnabled(true);
            QTest::keyClicks(edit, QStringLiteral("1234567"));
            QCOMPARE(edit->text(), QStringLiteral("123456"));  // the user types six at most
        }
    }

    void bindingTableHoldsEveryCatalogueKey() {
        QStringList bound;
        for (const Binding& b : Bindings) {
            bound << text(b.keys).split(QLatin1Char(' '));
        }
        QStringList catalogue;
        for (const TTableEntry& entry : InitialParameterTable()) {
            catalogue << entry.Field;
        }
        bound.sort();
        catalogue.sort();
        QCOMPARE(bound.size(), 70);
        QCOMPARE(bound, catalogue);
    }

    // The tab widgets show one page at a time, whatever the model tells about the pages.
    void onlyTheCurrentPageIsShown_data() {
        QTest::addColumn<int>("current");
        QTest::newRow("configuration") << 0;
        QTest::newRow("values") << 1;
        QTest::newRow("settings") << 2;
    }

    void onlyTheCurrentPageIsShown() {
        QFETCH(int, current);
        Window w;
        w.window.show();
        w.form.StartUp();
        w.form.Control("PageControl1").setCurrentIndex(current);
        const QStringList pages{"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(w.widget(pages[i])->isVisible(), i == current);
        }
        // The channel pages of the Values page: the second is never shown over the first.
        QVERIFY(!w.widget("TabSheet6")->isVisible());
    }

    // The chart views draw the window model's charts: range, points, clearing, enabled state.
    void chartsDrawTheModelsCharts() {
        Window w;
        LiveChart& chart = w.form.Live().Chart2;
        auto* view = qobject_cast<QChartView*>(&w.widget<ChartHost>("Chart2")->view());
        QVERIFY(view != nullptr);
        auto* line = qobject_cast<QLineSeries*>(view->chart()->series().first());
        auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).first());
        chart.setRange(-270, 1370);
        chart.addPoint({0.2, 12.5});
        chart.addPoint({0.4, 13.0});
        QCOMPARE(axis->min(), -270.0);
        QCOMPARE(axis->max(), 1370.0);
        QTRY_COMPARE(line->points(), (QList<QPointF>{{0.2, 12.5}, {0.4, 13.0}}));
        chart.clear();
        QCOMPARE(line->count(), 0);
        chart.setEnabled(false);
        QVERIFY(!view->isEnabled());
    }

    void lookupIgnoresLetterCase() {
        Window w;
        const char* const names[][2] = {{"TDownscale1", "TDownscale1"},
                                        {"tdownscale1", "TDownscale1"},
                                        {"LDownScale1", "LDownscale1"},
                                        {"LDOWNSCALE1DIM", "LDownscale1DIM"},
                                        {"cinputtm1", "CInputTm1"}};
        for (const auto& [name, objectName] : names) {
            const FormControl* control = w.form.FindControl(text(name));
            QVERIFY2(control != nullptr && control->objectName() == text(objectName), name);
            QWidget* exact = w.window.findChild<QWidget*>(text(objectName));
            QVERIFY2(exact != nullptr && w.window.widgetNamed(text(name)) == exact, name);
        }
    }

    void enableAndDisableField_data() { addRows(FieldStateRows); }

    void enableAndDisableField() {
        QFETCH(int, row);
        const FieldStateRow& r = FieldStateRows[row];
        const QString key = text(r.name);
        const QString kind = text(r.kind);
        Window w;
        showConfiguration(w, QStringLiteral("Q7383S"), 6146,
                          QStringLiteral("InputTm1=11 Downscale1=-1000 LimitmALow1=4000 Lead1=1"));
        const FormControl* value = w.get(kind + key);
        auto shown = [value] { return ShownTextOf(*value); };
        QCOMPARE(w.get(QStringLiteral("L") + key + QStringLiteral("DIM")) != nullptr, r.unit);
        QCOMPARE(fieldState(w.form, key, kind), QStringLiteral("on"));
        for (const bool enable : {false, true}) {
            FormProbe::SetFieldEnabled(w.form, key, fieldKind(kind), enable);
            QCOMPARE(fieldState(w.form, key, kind), text(enable ? "on" : "off"));
            QCOMPARE(shown(), text(r.shown));
            QCOMPARE(value->hint(), text(r.hint));
            QCOMPARE(w.get(QStringLiteral("L") + key)->hint(), text(r.caption));
        }
    }

    void logLine() {
        Window w;
        // Two resets, each of a configuration on screen, each with its line.
        for (int reset = 0; reset < 2; ++reset) {
            showConfiguration(w, QStringLiteral("Q7383S"), 300, QStringLiteral("InputTm1=11"));
            QVERIFY(PressKey(w.form, Qt::Key_F7));
        }
        const QStringList& log = w.form.LogLines();
        QCOMPARE(log.size(), 2);
        const QRegularExpression format(
            QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\] - Global reset$"));
        QVERIFY2(format.match(log[1]).hasMatch(), qPrintable(log[1]));
    }

    void logHint_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("onTheLine");
        QTest::addColumn<QString>("hint");
        QTest::newRow("long line") << QStringLiteral("[09:05:07] - Global reset") << true
                                   << QStringLiteral("[09:05:07] - Global reset");
        QTest::newRow("short line") << QStringLiteral("ab") << true << QString();
        QTest::newRow("below the last line")
            << QStringLiteral("abc") << false << QStringLiteral("earlier hint");
    }

    void logHint() {
        QFETCH(QString, line);
        QFETCH(bool, onTheLine);
        Window w;
        auto* log = w.widget<QListWidget>(QStringLiteral("ListBox1"));
        log->addItem(line);
        widgets::setHint(log, QStringLiteral("earlier hint"));
        const QRect first = log->visualItemRect(log->item(0));
        const QPoint at =
            onTheLine ? first.center() : QPoint(first.center().x(), first.bottom() + 40);
        // The pointer moves over the list.
        QMouseEvent move(QEvent::MouseMove, at, log->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(log->viewport(), &move);
        QTEST(log->toolTip(), "hint");
    }

    // --- Validation ---------------------------------------------------------------------------

    void typedNumber_data() { addRows(TypedRows); }

    void typedNumber() {
        QFETCH(int, row);
        const TypedRow& r = TypedRows[row];
        const DefaultLocale separator(text(r.locale));
        Window w;
        showConfiguration(w, text(r.model), r.version, text(r.values));
        if (*r.warning != '\0') {
            w.dialogs.expect(BoxKind::Warning, text(r.warning));
        }
        const ModuleConfiguration before = w.form.Configuration();
        const FormControl& field = w.form.Control(text(r.edit));
        TypeInto(w.form, text(r.edit), text(r.typed));
        QCOMPARE(field.text(), text(r.shown));
        QCOMPARE(w.dialogs.problems(), QStringList());
        for (int i = 1; i <= TParameterTable::Count; ++i) {
            const bool edited = w.form.Catalogue()[i].Field == text(r.key);
            QCOMPARE(w.form.Configuration().held(i),
                     edited ? std::optional<int>(r.stored) : before.held(i));
        }
    }

    void modificationMark_data() {
        QTest::addColumn<bool>("configurationEmpty");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<int>("lead");
        const QString modified = QStringLiteral("Modified");
        QTest::newRow("list index set from code") << false << "list from code" << QString() << 0;
        QTest::newRow("edit text set from code") << false << "edit from code" << QString() << 0;
        QTest::newRow("keystroke in an edit") << false << "typed edit" << modified << 0;
        QTest::newRow("user's choice") << false << "choice" << modified << 1;
        QTest::newRow("keystroke in a tag") << false << "typed tag" << modified << 0;
        QTest::newRow("keystroke, nothing shown") << true << "typed edit" << QString() << 0;
        QTest::newRow("user's choice, nothing shown") << true << "choice" << QString() << 1;
    }

    void modificationMark() {
        QFETCH(bool, configurationEmpty);
        QFETCH(QString, action);
        Window w;
        showConfiguration(w, QStringLiteral("Q7383S"), 300, QStringLiteral("InputTm1=11 Lead1=0"));
        QCOMPARE(w.form.StatusPanel(2), QString());
        w.form.ConfigurationEmpty = configurationEmpty;
        FormControl* lead = w.get(QStringLiteral("CLead1"));
        if (action == QLatin1String("list from code")) {
            lead->setCurrentIndex(1);
        } else if (action == QLatin1String("typed tag")) {
            QVERIFY(w.form.Typed(QStringLiteral("TTag1"), QStringLiteral("PUMP 1")));
        } else if (action == QLatin1String("edit from code")) {
            w.get(QStringLiteral("TDownscale1"))->setText(QStringLiteral("1.0"));
        } else if (action == QLatin1String("typed edit")) {
            QVERIFY(w.form.Typed(QStringLiteral("TDownscale1"), QStringLiteral("1.0")));
        } else {
            choose(w, QStringLiteral("CLead1"), 1);
        }
        QTEST(w.form.StatusPanel(2), "mark");
        QTEST(w.value(QStringLiteral("Lead1")), "lead");
    }

    void sensorChoice_data() { addRows(SensorRows); }

    void sensorChoice() {
        QFETCH(int, row);
        const SensorRow& r = SensorRows[row];
        Window w;
        showConfiguration(w, text(r.model), r.version, text(r.values));
        if (*r.list != '\0') {
            choose(w, text(r.list), r.choice);
            QCOMPARE(w.value(text(r.list).mid(1)), r.choice);
        }
        const QString key = text(r.key);
        QCOMPARE(w.value(key), r.stored);
        QCOMPARE(w.get(QStringLiteral("T") + key)->text(), text(r.shown));
        QCOMPARE(w.get(QStringLiteral("T") + key)->hint(), text(r.hint));
        const FormControl* unit = w.get(QStringLiteral("L") + key + QStringLiteral("DIM"));
        QCOMPARE(unit ? unit->text() : QString(), text(r.unit));
        QCOMPARE(w.get(QStringLiteral("CInput1"))->isEnabled(), r.input1Enabled);
    }

    void dependentFields_data() { addRows(DependentRows); }

    void dependentFields() {
        QFETCH(int, row);
        const DependentRow& r = DependentRows[row];
        Window w;
        showConfiguration(w, text(r.model), r.version, text(r.values));
        choose(w, text(r.list), r.choice);
        QCOMPARE(w.value(text(r.list).mid(1)), r.choice);
        QStringList states;
        for (const QString& field : text(r.fields).split(QLatin1Char(' '))) {
            states << fieldState(w.form, field.mid(1), field.left(1));
        }
        QCOMPARE(states.join(QLatin1Char(' ')), text(r.states));
    }

    // --- Refresh and function keys ------------------------------------------------------------

    void refresh_data() {
        QTest::addColumn<bool>("configurationEmpty");
        QTest::addColumn<QString>("panel0");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("panel0After");
        QTest::addColumn<QString>("panel2After");
        QTest::addColumn<QString>("enabledButtons");
        QTest::newRow("nothing shown, empty status")
            << true << QString() << QStringLiteral("COM3") << QStringLiteral("Status : Ready")
            << QString() << QStringLiteral("TBOpenCom BitBtn3 BitBtn2 TBHelp");
        const QString uploaded = QStringLiteral("Status: New Configuration Uploaded Correctly");
        QTest::newRow("configuration shown")
            << false << uploaded << QStringLiteral("/dev/ttyUSB1") << uploaded
            << QStringLiteral("Modified")
            << QStringLiteral(
                   "TBOpenCom TBSaveCom BitBtn3 TBSaveFile BitBtn2 BitBtn1 TBClear TBHelp");
    }

    void refresh() {
        QFETCH(bool, configurationEmpty);
        QFETCH(QString, panel0);
        QFETCH(QString, port);
        Window w;
        w.form.ConfigurationEmpty = configurationEmpty;
        w.form.PointedAt(panel0);
        ChangeAValue(w.form);
        w.state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), port);
        FormProbe::RefreshTick(w.form);
        QTEST(w.form.StatusPanel(0), "panel0After");
        QTEST(w.form.StatusPanel(2), "panel2After");
        QStringList enabled;
        for (const char* name : {"TBOpenCom", "TBSaveCom", "BitBtn3", "TBSaveFile", "BitBtn2",
                                 "BitBtn1", "TBClear", "TBHelp"}) {
            if (w.get(QLatin1String(name))->isEnabled()) {
                enabled << QLatin1String(name);
            }
        }
        QTEST(enabled.join(QLatin1Char(' ')), "enabledButtons");
        QCOMPARE(w.state.link.ComPortName, port);
        QCOMPARE(w.get(QStringLiteral("LDefaultComPort"))->text(), port);
    }

    void pageCaptionCarriesTheMark() {
        Window w;
        const FormControl* pages = w.get(QStringLiteral("PageControl1"));
        QCOMPARE(pages->items().value(0), QStringLiteral("Main"));
        w.form.ConfigurationEmpty = false;
        const std::pair<const char*, const char*> ticks[] = {
            {"", "Configuration"},
            {"Modified", "Configuration *"},
            {"Modified", "Configuration *"},  // marked once only
            {"", "Configuration"},
        };
        for (const auto& [mark, caption] : ticks) {
            if (*mark != '\0') {
                ChangeAValue(w.form);
            } else {
                FormProbe::MarkUnmodified(w.form);
            }
            FormProbe::RefreshTick(w.form);
            QCOMPARE(pages->items().value(0), QLatin1String(caption));
            QCOMPARE(w.form.TabMarked, *mark != '\0');
        }
    }

    void refreshSleepsUntilSomethingChanges() {
        Window w;
        const auto* refresh = w.form.findChild<QTimer*>(QStringLiteral("Timer2"));
        const FormControl* pages = w.get(QStringLiteral("PageControl1"));
        QTRY_COMPARE(pages->items().value(0), QStringLiteral("Configuration"));
        QVERIFY(!refresh->isActive());
        FormProbe::ClockTick(w.form);  // the clock's second is no change for the refresh
        QVERIFY(!refresh->isActive());
        w.form.ConfigurationEmpty = false;
        ChangeAValue(w.form);
        QVERIFY(refresh->isActive());
        QTRY_COMPARE(pages->items().value(0), QStringLiteral("Configuration *"));
        QVERIFY(w.get(QStringLiteral("TBSaveFile"))->isEnabled());
        QVERIFY(!refresh->isActive());
    }

    void resetKey_data() {
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("configurationEmpty");
        QTest::addColumn<int>("resetLines");
        QTest::newRow("configuration shown") << false << false << 1;
        QTest::newRow("busy") << true << false << 0;
        QTest::newRow("nothing shown, button disabled") << false << true << 0;
    }

    void resetKey() {
        QFETCH(bool, busy);
        QFETCH(bool, configurationEmpty);
        QFETCH(int, resetLines);
        Window w;
        showConfiguration(w, QStringLiteral("Q7383S"), 300, QStringLiteral("InputTm1=11"));
        w.form.ConfigurationEmpty = configurationEmpty;
        FormProbe::RefreshTick(w.form);
        // The window passes F7 through the gate; "busy" presses it while another command runs.
        bool taken = false;
        const auto press = [&w, &taken] { taken = PressKey(w.form, Qt::Key_F7); };
        busy ? void(w.form.RunCommand(press)) : press();
        QCOMPARE(taken, !busy);
        int resets = 0;
        for (const QString& line : w.form.LogLines()) {
            resets += line.endsWith(QStringLiteral("] - Global reset")) ? 1 : 0;
        }
        QCOMPARE(resets, resetLines);
        // The reset empties the window; an ignored key leaves the fields as they were.
        QCOMPARE(w.get(QStringLiteral("CInputTm1"))->isEnabled(), resetLines == 0);
        QCOMPARE(w.form.ConfigurationEmpty, configurationEmpty || resetLines == 1);
        QVERIFY(w.form.AcceptsInput());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

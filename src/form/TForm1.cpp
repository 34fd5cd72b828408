#include "form/TForm1.h"

#include "catalogue/CatalogueLookup.h"
#include "records/Clock.h"
#include "shell/ProgramState.h"

#include <QScopedValueRollback>
#include <QTimer>

TForm1::TForm1(ProgramState& state, QObject* parent) : QObject(parent), state_(state) {
    setObjectName(QStringLiteral("TForm1"));
    // The reading sessions of the Values page: off until a channel's START. Their ticks pass no
    // gate: they belong to the session START began, which holds the port until STOP, and a STOP
    // must be taken while a tick waits on the line.
    for (int channel = 1; channel <= 2; ++channel) {
        QTimer* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer_ReadValue%1").arg(channel));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(200);
        connect(timer, &QTimer::timeout, this,
                channel == 1 ? &TForm1::Timer_ReadValue1Timer : &TForm1::Timer_ReadValue2Timer);
        readTimers_[channel - 1] = timer;
    }

    // The refresh restates what changed since its last tick; with nothing changed it has nothing
    // to say, so it waits for the next change instead of waking an idle window twice a second.
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(500);
    timer2_->setSingleShot(true);
    connect(timer2_, &QTimer::timeout, this, &TForm1::Timer2Timer);

    buildControls();
    connectHandlers();
    statusPanels_[0] = QStringLiteral("Status");

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1000);
    connect(timer3_, &QTimer::timeout, this, &TForm1::Timer3Timer);
    timer3_->start();
    Timer3Timer();

    // Finding a module on a silent port takes seconds: the status bar says what is tried.
    state_.linkActivity = [this](const QString& what, int step, int steps) {
        progress_ = {true, step, steps, what};
        emit progressChanged();
    };
}

QTimer& TForm1::ReadTimer(int channel) const {
    return *readTimers_[channel == 2 ? 1 : 0];
}

TForm1::~TForm1() {
    state_.settings.onChanged = nullptr;
    state_.linkActivity = nullptr;
}

FormControl& TForm1::add(const QString& name, ControlKind kind) {
    controls_.push_back(std::make_unique<FormControl>(*this, name, kind));
    FormControl& control = *controls_.back();
    controlsByName_.insert(name.toLower(), &control);
    return control;
}

FormControl* TForm1::FindControl(const QString& name) const {
    return controlsByName_.value(name.toLower(), nullptr);
}

FormControl& TForm1::Control(const QString& name) const {
    FormControl* control = FindControl(name);
    Q_ASSERT_X(control != nullptr, "TForm1::Control", qPrintable(name));
    return *control;
}

void TForm1::controlChanged(FormControl& control, ControlProperty property) {
    refreshSoon();
    emit changed(&control, property);
}

int TForm1::nextStackPlace(bool front) {
    return front ? ++frontPlace_ : --backPlace_;
}

QString TForm1::StatusPanel(int index) const {
    return statusPanels_.at(static_cast<std::size_t>(index));
}

void TForm1::SetStatusPanel(int index, const QString& text) {
    QString& panel = statusPanels_.at(static_cast<std::size_t>(index));
    if (panel != text) {
        panel = text;
        // The clock's panel is no input of the refresh.
        if (index != 3) {
            refreshSoon();
        }
        emit statusPanelChanged(index);
    }
}

void TForm1::Memo(const QString& text) {
    const QString line = QStringLiteral("[") + PrintTime() + QStringLiteral("] - ") + text;
    logLines_ << line;
    emit logAppended(line);
}

void TForm1::Timer3Timer() {
    SetStatusPanel(3, PrintTime());
    turnAquiringDots();
}

bool TForm1::IsModified() const {
    return modifiedShown_;
}

void TForm1::SetUnmodified() {
    baseline_ = document_;
    refreshModifiedMark();
}

void TForm1::refreshModifiedMark() {
    bool modified = !ConfigurationEmpty && !document_.sameSettings(baseline_);
    // A field being edited counts as soon as its text differs from what the configuration holds.
    if (!modified && !ConfigurationEmpty && !pendingEdit_.isEmpty()) {
        const FormControl& field = Control(pendingEdit_);
        if (field.objectName().startsWith(QLatin1String("TTag"))) {
            const int channel = field.objectName().right(1).toInt();
            modified = field.text() != document_.tag(channel).value_or(QString());
        } else if (const auto i = IndexOfControl(Catalogue(), field.objectName())) {
            modified = field.text() != ValueText(document_, Catalogue()[*i], *i);
        }
    }
    modifiedShown_ = modified;
    SetStatusPanel(2, modified ? QStringLiteral("Modified") : QString());
}

const TParameterTable& TForm1::Catalogue() const {
    return state_.ParameterTable();
}

void TForm1::SetShownModel(const QString& model, const QString& hint) {
    shownModel_ = model;
    FormControl& label = Control(QStringLiteral("LModel"));
    label.setText(model);
    label.setHint(hint);
}

void TForm1::refreshSoon() {
    // What the refresh itself sets is already its final word.
    if (!refreshing_ && !timer2_->isActive()) {
        timer2_->start();
    }
}

void TForm1::Timer2Timer() {
    const QScopedValueRollback refreshing(refreshing_, true);
    if (StatusPanel(0).isEmpty()) {
        // Behind the cover the window is not ready: it waits for the password.
        SetStatusPanel(0, PasswordCoverUp() ? PasswordStatus : QStringLiteral("Status : Ready"));
    }
    const bool shown = !ConfigurationEmpty;
    for (const char* name : {"TBSaveCom", "TBSaveFile", "BitBtn1", "TBSaveReportPdf", "TBClear"}) {
        Control(QString::fromLatin1(name)).setEnabled(shown);
    }
    Control(QStringLiteral("TBOpenCom")).setEnabled(true);
    Control(QStringLiteral("BitBtn3")).setEnabled(true);
    if (ConfigurationEmpty) {
        refreshModifiedMark();
    }
    // Keeps the default port among the settings config.ini is rewritten with, even when the
    // file lacked it; the port in use follows the setting's changes on its own.
    SettingsStore& settings = state_.settings;
    settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"),
                         settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")));

    // The first page's caption is set only when it differs, so an idle window repaints nothing.
    FormControl& pages = Control(QStringLiteral("PageControl1"));
    QStringList captions = pages.items();
    const int first = 0;
    // The caption itself says whether it is marked: a refused load puts back the caption it
    // found, mark included, after ticks behind its boxes have taken the mark off.
    TabMarked = captions[first].endsWith(QLatin1String(" *"));
    if (modifiedShown_ && !TabMarked) {
        captions[first] += QStringLiteral(" *");
        TabMarked = true;
    } else if (!modifiedShown_) {
        captions[first] = QStringLiteral("Configuration");
        TabMarked = false;
    }
    if (captions != pages.items()) {
        pages.setItems(captions, pages.currentIndex());
    }
}

void TForm1::FormKeyDown(int key) {
    // A key pressed while another command runs never gets here: the gate refuses it.
    if (PasswordCoverUp()) {
        return;
    }
    if (StatusPanelInFront()) {
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        const bool escape = key == Qt::Key_Escape;
        // Enter never starts an acquisition: only the OK button is the panel's default.
        const std::pair<const char*, bool> buttons[] = {{"BStatus", enter || escape},
                                                        {"BCancelStatus", escape}};
        for (const auto& [name, answers] : buttons) {
            FormControl& button = Control(QString::fromLatin1(name));
            if (answers && button.isVisible()) {
                button.click();
                return;
            }
        }
        return;
    }
    // The tool bar follows a change at the refresh's next tick: a key pressed before it finds the
    // buttons as that tick leaves them, or F2 pressed right after a read would be lost unseen.
    if (timer2_->isActive()) {
        timer2_->stop();
        Timer2Timer();
    }
    const std::pair<int, const char*> keys[] = {
        {Qt::Key_F1, "TBOpenCom"},  {Qt::Key_F2, "TBSaveCom"}, {Qt::Key_F3, "BitBtn3"},
        {Qt::Key_F4, "TBSaveFile"}, {Qt::Key_F5, "BitBtn2"},   {Qt::Key_F6, "BitBtn1"},
        {Qt::Key_F7, "TBClear"},    {Qt::Key_F8, "TBHelp"},
    };
    for (const auto& [code, name] : keys) {
        if (code == key) {
            Control(QString::fromLatin1(name)).click();
            return;
        }
    }
}

void TForm1::ShowProgress(int done, int total, const QString& what) {
    progress_ = {true, done, total, QStringLiteral("%1 %2 of %3").arg(what).arg(done).arg(total)};
    emit progressChanged();
}

void TForm1::EndProgress() {
    if (progress_.active) {
        progress_ = {};
        emit progressChanged();
    }
}

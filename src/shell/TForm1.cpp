#include "shell/TForm1.h"

#include "records/Clock.h"
#include "shell/ProgramState.h"
#include "shell/window/Pages.h"
#include "shell/window/PortSettings.h"
#include "shell/window/WidgetFactory.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int MinimumClientHeight = 566;
constexpr int MaximumClientHeight = 752;

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    if (!QFontDatabase::families().contains(font.family())) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSize(8);
    return font;
}

}  // namespace

TForm1::TForm1(ProgramState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());
    buildWindow();
    indexControls();
    connectToolBar();

    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(500);
    connect(timer2_, &QTimer::timeout, this, &TForm1::Timer2Timer);
    timer2_->start();

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1000);
    connect(timer3_, &QTimer::timeout, this, &TForm1::Timer3Timer);
    timer3_->start();
    Timer3Timer();

    // The window sees the function keys whichever control has the focus.
    for (int key = Qt::Key_F1; key <= Qt::Key_F8; ++key) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] { FormKeyDown(key); });
    }
    ConnectPortSettings(*this);
    qApp->installEventFilter(this);
    connectSession();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::buildWindow() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    setFixedWidth(ClientWidth);
    setMinimumHeight(MinimumClientHeight);
    setMaximumHeight(MaximumClientHeight);
    resize(ClientWidth, ClientHeight);

    // Back to front: the status box, the password cover, the status bar, the pages.
    buildStatusBox(client);
    buildPasswordPanel(client);
    buildStatusBar(client);

    pages_ = new QTabWidget(client);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(0, 0, 745, 639);
    pages_->addTab(buildMainPage(), QStringLiteral("Main"));
    const struct {
        const char* name;
        const char* caption;
        void (*build)(QWidget*);
    } otherPages[] = {{"TabSheet2", "Values", BuildValuesPage},
                      {"TabSheet3", "Settings", BuildSettingsPage},
                      {"TabSheet4", "About", BuildAboutPage}};
    for (const auto& layout : otherPages) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(layout.name));
        layout.build(page);
        pages_->addTab(page, QString::fromLatin1(layout.caption));
    }
}

void TForm1::buildStatusBar(QWidget* client) {
    auto* bar = new QFrame(client);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setGeometry(0, ClientHeight - 19, ClientWidth, 19);
    const int widths[4] = {245, 350, 60, ClientWidth - 245 - 350 - 60};
    int left = 0;
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panel->setGeometry(left, 0, widths[i] - 2, 19);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAlignment((i < 2 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
        statusPanels_[i] = panel;
        left += widths[i];
    }
    statusPanels_[0]->setText(QStringLiteral("Status"));
}

void TForm1::indexControls() {
    controlsByName_.clear();
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty()) {
            controlsByName_.insert(widget->objectName().toLower(), widget);
        }
    }
}

QWidget* TForm1::FindControl(const QString& name) const {
    return controlsByName_.value(name.toLower(), nullptr);
}

QString TForm1::StatusPanel(int index) const {
    return statusPanels_[index]->text();
}

void TForm1::SetStatusPanel(int index, const QString& text) {
    statusPanels_[index]->setText(text);
}

void TForm1::Timer3Timer() {
    SetStatusPanel(3, PrintTime());
}

void TForm1::Timer2Timer() {
    if (StatusPanel(0).isEmpty()) {
        SetStatusPanel(0, QStringLiteral("Status : Ready"));
    }
    const bool shown = !ConfigurationEmpty;
    for (const char* name : {"TBSaveCom", "TBSaveFile", "BitBtn1", "TBClear"}) {
        FindControl(QString::fromLatin1(name))->setEnabled(shown);
    }
    FindControl(QStringLiteral("TBOpenCom"))->setEnabled(true);
    FindControl(QStringLiteral("BitBtn3"))->setEnabled(true);
    if (ConfigurationEmpty) {
        SetStatusPanel(2, QString());
    }

    SettingsStore& settings = state_.settings;
    const QString defaultPort = settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT"));
    if (auto* portLabel = Find<QLabel>(QStringLiteral("LDefaultComPort"))) {
        portLabel->setText(defaultPort);
    }

    const int first = 0;
    if (StatusPanel(2) == QLatin1String("Modified") && !TabMarked) {
        pages_->setTabText(first, pages_->tabText(first) + QStringLiteral(" *"));
        TabMarked = true;
    } else if (StatusPanel(2).isEmpty()) {
        pages_->setTabText(first, QStringLiteral("Configuration"));
        TabMarked = false;
    }

    settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), defaultPort);
    state_.link.ComPortName = defaultPort;
}

void TForm1::FormKeyDown(int key) {
    if (Busy) {
        return;
    }
    if (QWidget* cover = FindControl(QStringLiteral("PasswordPanel")); cover->isVisible()) {
        return;
    }
    const std::pair<int, const char*> keys[] = {
        {Qt::Key_F1, "TBOpenCom"},  {Qt::Key_F2, "TBSaveCom"}, {Qt::Key_F3, "BitBtn3"},
        {Qt::Key_F4, "TBSaveFile"}, {Qt::Key_F5, "BitBtn2"},   {Qt::Key_F6, "BitBtn1"},
        {Qt::Key_F7, "TBClear"},    {Qt::Key_F8, "TBHelp"},
    };
    for (const auto& [code, name] : keys) {
        if (code == key) {
            auto* button = Find<QToolButton>(QString::fromLatin1(name));
            if (button != nullptr && button->isEnabled()) {
                button->click();
            }
            return;
        }
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched == log_->viewport()) {
        ListBox1MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (event->type() == QEvent::FocusOut && parameterEdits_.contains(watched)) {
        // Leaving the field, not a message box or a menu taking the focus for a moment.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto* field = static_cast<QLineEdit*>(watched);
            if (field->objectName().startsWith(QLatin1String("TTag"))) {
                CheckTag(field);
            } else {
                OnEditLeave(field);
            }
        }
    } else if (event->type() == QEvent::Enter && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this) {
            showHintOf(widget);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showHintOf(QWidget* widget) {
    // Like a tool tip, but always in status panel 0; a control without a hint empties it.
    SetStatusPanel(0, widget->toolTip());
}

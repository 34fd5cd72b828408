#include "window/MainWindow.h"

#include "window/ChartHost.h"

#include "form/TForm1.h"
#include "window/ElidingLabel.h"
#include "window/HistoryDialog.h"
#include "window/Pages.h"
#include "window/WidgetFactory.h"
#include "window/WindowStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <utility>

namespace {

// The page geometry was designed for an 8-point sans-serif at 96 dpi; these faces share that
// design's metrics (Liberation Sans and Arimo are metric-compatible with Arial), so every
// caption fits the place it was drawn for. The system's sans-serif is the last resort.
QFont windowFont() {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Liberation Sans", "Arimo", "Arial", "MS Sans Serif"}) {
        if (families.contains(QLatin1String(name))) {
            return QFont(QLatin1String(name), 8);
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

// +1 or -1 for a key that turns the page: Ctrl+Tab and Ctrl+PageDown forward, Ctrl+Shift+Tab
// and Ctrl+PageUp back; 0 for every other key. A drop-down with the focus would otherwise take
// Ctrl+PageDown as a change of its value.
int pageStep(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (!modifiers.testFlag(Qt::ControlModifier) || modifiers.testFlag(Qt::AltModifier) ||
        modifiers.testFlag(Qt::MetaModifier)) {
        return 0;
    }
    switch (key.key()) {
        case Qt::Key_Tab:
            return modifiers.testFlag(Qt::ShiftModifier) ? -1 : 1;
        case Qt::Key_Backtab:
            return -1;
        case Qt::Key_PageDown:
            return modifiers.testFlag(Qt::ShiftModifier) ? 0 : 1;
        case Qt::Key_PageUp:
            return modifiers.testFlag(Qt::ShiftModifier) ? 0 : -1;
        default:
            return 0;
    }
}

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
            return true;
        default:
            return false;
    }
}

}  // namespace

ConfiguratorWindow::ConfiguratorWindow(TForm1& form, QWidget* parent)
    : QMainWindow(parent), form_(form) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    widgets::UseWindowStyle();
    setFont(windowFont());
    // Hints show where the pointer is as well as in the status bar, also while another window
    // (a chart, the browser, a desktop without focus handling) is the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    buildWindow();
    adoptWidgets(*this);

    connect(&form_, &TForm1::changed, this, [this](FormControl* control, ControlProperty property) {
        showProperty(*control, property);
    });
    connect(&form_, &TForm1::statusPanelChanged, this, &ConfiguratorWindow::showStatusPanel);
    connect(&form_, &TForm1::logAppended, this, &ConfiguratorWindow::appendLog);
    connect(&form_, &TForm1::progressChanged, this, &ConfiguratorWindow::showProgress);
    connect(&form_, &TForm1::closeNow, this, &QWidget::close, Qt::QueuedConnection);
    // Shown while the tool button's command holds the gate: the history's loads are that
    // command, and nothing else starts meanwhile.
    connect(&form_, &TForm1::historyRequested, this, [this] {
        HistoryDialog dialog(form_, this);
        dialog.Index();
        dialog.exec();
    });
    for (int i = 0; i < 4; ++i) {
        showStatusPanel(i);
    }
    for (const QString& line : form_.LogLines()) {
        appendLog(line);
    }
    // The function keys, the hints and the input lock during operations concern every control.
    qApp->installEventFilter(this);
}

ConfiguratorWindow::~ConfiguratorWindow() {
    qApp->removeEventFilter(this);
}

void ConfiguratorWindow::buildWindow() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    // The pages are laid out to the pixel for this size: a window manager may neither stretch
    // nor maximise it (equal minimum and maximum sizes say so on every one of them).
    setFixedSize(ClientWidth, ClientHeight);

    // Back to front: the status box, the password cover, the status bar, the pages.
    buildStatusBox(client);
    buildPasswordPanel(client);
    buildStatusBar(client);

    pages_ = new QTabWidget(client);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(0, 0, 745, 639);
    // Each page is in its place before it is filled: moving a filled page into the tab widget
    // would tell every control of it that its font changed, and each drop-down list would build
    // its list there and then.
    auto* mainPage = new QWidget;
    mainPage->setObjectName(QStringLiteral("TabSheet1"));
    pages_->addTab(mainPage, QStringLiteral("Main"));
    buildMainPage(mainPage);
    const struct {
        const char* name;
        const char* caption;
        void (*build)(QWidget*);
    } otherPages[] = {{"TabSheet2", "Values", BuildValuesPage},
                      {"TabSheet3", "Settings", BuildSettingsPage},
                      {"TabSheet4", "About", BuildAboutPage}};
    // The other pages are filled once the window is on screen (or when one of their widgets is
    // wanted before): the first paint does not wait for a third of the window's widgets.
    for (const auto& layout : otherPages) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(layout.name));
        pages_->addTab(page, QString::fromLatin1(layout.caption));
        unbuiltPages_.push_back({page, layout.build});
    }
}

void ConfiguratorWindow::buildRemainingPages() {
    // Taken first: adopting the new widgets looks widgets up, which must not build again.
    const std::vector<UnbuiltPage> pages = std::exchange(unbuiltPages_, {});
    for (const UnbuiltPage& unbuilt : pages) {
        unbuilt.build(unbuilt.page);
        adoptWidgets(*unbuilt.page);
    }
}

void ConfiguratorWindow::adoptWidgets(QWidget& container) {
    for (QWidget* widget : container.findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty()) {
            widgetsByName_.insert(widget->objectName().toLower(), widget);
        }
    }
    for (int channel = 1; channel <= 2; ++channel) {
        auto* chart = container.findChild<ChartHost*>(QStringLiteral("Chart%1").arg(channel));
        if (chart != nullptr) {
            chart->bind(form_.Live().chart(channel));
        }
    }
    bindControls();
}

void ConfiguratorWindow::buildStatusBar(QWidget* client) {
    auto* bar = new QFrame(client);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setGeometry(0, ClientHeight - 19, ClientWidth, 19);
    const int widths[4] = {245, 350, 60, ClientWidth - 245 - 350 - 60};
    int left = 0;
    for (int i = 0; i < 4; ++i) {
        // The clock's "HH:mm:ss" always fits: a plain label spares its every-second text a
        // measuring pass.
        QLabel* panel = i == 3 ? new QLabel(bar) : new widgets::ElidingLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panel->setGeometry(left, 0, widths[i] - 2, 19);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAlignment((i < 2 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
        // A panel paints its own background, so a new text repaints the panel alone, not the
        // bar and the window under it.
        panel->setAutoFillBackground(true);
        statusPanels_[i] = panel;
        left += widths[i];
    }
    statusTextPlace_ = statusPanels_[0]->geometry();
    // The clock's panel never changes size; fixed, its text of every second asks the bar for no
    // new layout.
    statusPanels_[3]->setFixedSize(statusPanels_[3]->size());
    // The progress of a transfer takes the place of the status text while it runs.
    progress_ = new QProgressBar(bar);
    progress_->setObjectName(QStringLiteral("TransferProgress"));
    progress_->setGeometry(statusPanels_[0]->geometry());
    progress_->setTextVisible(true);
    progress_->setAlignment(Qt::AlignCenter);
    progress_->setVisible(false);
}

QWidget* ConfiguratorWindow::widgetNamed(const QString& name) {
    QWidget* widget = widgetsByName_.value(name.toLower(), nullptr);
    if (widget == nullptr && !unbuiltPages_.empty()) {
        buildRemainingPages();
        widget = widgetsByName_.value(name.toLower(), nullptr);
    }
    return widget;
}

bool ConfiguratorWindow::isOwnWidget(const QObject* object) const {
    return object->isWidgetType() && static_cast<const QWidget*>(object)->window() == this;
}

void ConfiguratorWindow::showStatusPanel(int index) {
    statusPanels_[index]->setText(form_.StatusPanel(index));
    if (index < 3) {
        fitStatusText();
    }
}

void ConfiguratorWindow::fitStatusText() {
    // A status text longer than its panel spreads over the panels beside it while they are
    // empty; what still does not fit is shortened and shown whole as a tool-tip.
    QLabel* status = statusPanels_[0];
    QRect place = statusTextPlace_;
    const int needed =
        status->fontMetrics().horizontalAdvance(status->text()) + 2 * status->frameWidth() + 2;
    for (int next = 1; next < 3 && needed > place.width(); ++next) {
        if (!statusPanels_[next]->text().isEmpty()) {
            break;
        }
        place.setRight(statusPanels_[next]->geometry().right());
    }
    status->setGeometry(place);
    status->raise();
}

void ConfiguratorWindow::showProgress() {
    const OperationProgress& progress = form_.Progress();
    progress_->setVisible(progress.active);
    if (progress.active) {
        progress_->setRange(0, progress.total);
        progress_->setValue(progress.done);
        progress_->setFormat(progress.text);
        progress_->raise();
    }
}

void ConfiguratorWindow::appendLog(const QString& line) {
    log_->addItem(line);
    // The newest line becomes the top line of the visible area.
    log_->scrollToItem(log_->item(log_->count() - 1), QAbstractItemView::PositionAtTop);
}

void ConfiguratorWindow::showLogLineHint(const QPoint& position) {
    const QListWidgetItem* item = log_->itemAt(position);
    if (item == nullptr) {
        return;
    }
    const QString line = item->text();
    log_->setToolTip(line.size() >= 3 ? line : QString());
    form_.PointedAt(log_->toolTip());
}

bool ConfiguratorWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // The window's first expose paints it at once, whatever is in front (the password cover
    // hides the pages, which then never paint); what waits for the window on screen follows.
    if (type == QEvent::Expose && !painted_ && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        painted_ = true;
        QTimer::singleShot(0, this, &ConfiguratorWindow::firstPainted);
        QTimer::singleShot(0, this, &ConfiguratorWindow::buildRemainingPages);
    }
    if (!isOwnWidget(watched)) {
        return QMainWindow::eventFilter(watched, event);
    }
    // While the start-up runs or an operation talks to the module the window keeps painting,
    // but takes no input.
    if (!form_.AcceptsInput() && isUserInput(type)) {
        return true;
    }
    if (type == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (const int step = pageStep(*keyEvent); step != 0) {
            turnPage(step);
            return true;
        }
        const int key = keyEvent->key();
        const bool answersPanel =
            form_.StatusPanelInFront() &&
            (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape);
        if ((key >= Qt::Key_F1 && key <= Qt::Key_F8) || answersPanel) {
            // Modifier keys do not matter, as they never did.
            form_.RunCommand([this, key] { form_.FormKeyDown(key); });
            return true;
        }
    } else if (type == QEvent::MouseMove && log_ != nullptr && watched == log_->viewport()) {
        showLogLineHint(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (type == QEvent::Enter) {
        // Like a tool tip, but always in status panel 0; a control without a hint empties it.
        form_.PointedAt(static_cast<QWidget*>(watched)->toolTip());
    } else if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        FormControl* control = controlOf_.value(static_cast<QWidget*>(watched), nullptr);
        if (control != nullptr && control->kind() == ControlKind::Edit) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (type == QEvent::FocusIn) {
                form_.FieldEntered(control->objectName());
            } else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                // Leaving the field, not a message box or a menu taking the focus for a moment.
                form_.FieldLeft(control->objectName());
            }
        }
    } else if (type == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The window's links are labels.
        FormControl* control = controlOf_.value(static_cast<QWidget*>(watched), nullptr);
        if (control != nullptr && control->kind() == ControlKind::Label && control->onClick) {
            form_.Click(control->objectName());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void ConfiguratorWindow::turnPage(int step) {
    // The next page the user can reach, round the end as the tabs do; the model decides whether
    // the page may change now, as for a click on a tab.
    const int count = pages_->count();
    for (int index = pages_->currentIndex(), pass = 1; pass < count; ++pass) {
        index = (index + step + count) % count;
        if (pages_->isTabVisible(index) && pages_->isTabEnabled(index)) {
            form_.ShowPage(pages_->objectName(), index);
            return;
        }
    }
}

void ConfiguratorWindow::closeEvent(QCloseEvent* event) {
    // Closing asks nothing, also with unsaved changes: the settings and the log are written,
    // once an operation on the line has come to its end.
    if (form_.RequestClose()) {
        event->accept();
        emit closed();
    } else {
        event->ignore();
    }
}

#pragma once

#include "form/FormControl.h"

#include <QHash>
#include <QMainWindow>

#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QTabWidget;
class TForm1;

// The main window: four pages, the tool bar, the parameter groups, the status bar, the status
// box and the password cover. It shows the window model and hands the user's clicks, keys,
// edits and focus changes to it; every decision is the model's.
class ConfiguratorWindow : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int ClientWidth = 747;
    static constexpr int ClientHeight = 658;

    explicit ConfiguratorWindow(TForm1& form, QWidget* parent = nullptr);
    ~ConfiguratorWindow() override;

    TForm1& form() const { return form_; }
    // The widget with that objectName, letter case ignored; nullptr when there is none. A page
    // not built yet is built for it.
    QWidget* widgetNamed(const QString& name);
    template <class T>
    T* Find(const QString& name) {
        return qobject_cast<T*>(widgetNamed(name));
    }

  signals:
    // The window has been painted for the first time.
    void firstPainted();
    // The window has closed: the settings and the log were written and every message about
    // them was answered. The program ends here.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    void buildMainPage(QWidget* page);
    void buildToolBar(QWidget* page);
    void buildGroups(QWidget* page);
    void buildLogAndInformation(QWidget* page);
    void buildStatusBar(QWidget* client);
    void buildStatusBox(QWidget* client);
    void buildPasswordPanel(QWidget* client);
    void buildParameterControls(QWidget* page);

    // Fills the pages left empty at construction, and binds their widgets.
    void buildRemainingPages();
    // Makes the named widgets under the container findable and binds them to their controls.
    void adoptWidgets(QWidget& container);
    void bindControls();
    void bind(FormControl& control, QWidget* widget);
    void showProperty(const FormControl& control, ControlProperty property);
    void showAll(const FormControl& control);
    void showStatusPanel(int index);
    void showProgress();
    void appendLog(const QString& line);
    void showLogLineHint(const QPoint& position);
    // Shows the next (+1) or the previous (-1) page through the model.
    void turnPage(int step);
    bool isOwnWidget(const QObject* object) const;

    TForm1& form_;
    QHash<QString, QWidget*> widgetsByName_;
    QHash<const FormControl*, QWidget*> widgetOf_;
    QHash<const QWidget*, FormControl*> controlOf_;
    QTabWidget* pages_ = nullptr;
    QListWidget* log_ = nullptr;
    QLabel* statusPanels_[4] = {};
    // The status text's own panel, before it grows over empty neighbours.
    QRect statusTextPlace_;
    void fitStatusText();
    QProgressBar* progress_ = nullptr;
    bool painted_ = false;
    struct UnbuiltPage {
        QWidget* page;
        void (*build)(QWidget*);
    };
    std::vector<UnbuiltPage> unbuiltPages_;
};

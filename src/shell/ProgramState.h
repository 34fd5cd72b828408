#pragma once

#include "catalogue/Definitions.h"
#include "catalogue/ModuleConfiguration.h"
#include "link/SerialLink.h"
#include "shell/Dialogs.h"
#include "shell/FileWriting.h"
#include "shell/SettingsStore.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>

class ReportOutput;

// The program's own version as digits without points, quoted in messages and files.
inline const QString SoftwareVersionText = QStringLiteral("132");

// The state the program's operations share for a whole run: the settings, the serial link, the
// identified module. One object per run (or per test), never a static.
struct ProgramState {
    explicit ProgramState(Dialogs& dialogs) : dialogs(&dialogs) {}

    Dialogs* dialogs;
    // Every file the run saves or appends to goes through this writer (tests make it fail).
    DiskWriter* disk = &SystemDisk();
    // Draws the report: printed after the print dialog, or as a PDF document.
    ReportOutput* reports = nullptr;
    SettingsStore settings;
    SerialLink link;
    // The names the port searches try (tests); unset, the system's (SystemPortNamesToTry).
    std::optional<QStringList> SearchedPorts;

    // Told of each step of finding and identifying a module ("Looking for a module on COM1
    // ...", step 1 of 4), so a silent port is seen being tried; unset, nobody is told.
    std::function<void(const QString& what, int step, int steps)> linkActivity;

    // The connected or loaded module: 6-character code ("" when none) and firmware version.
    QString ModelCode;
    int ModelVersion = 0;
    QString SoftwareVersion = SoftwareVersionText;
    // The folder with config.ini, log/, archive/ and factorydefaults/.
    QString ProgramFolder;
    // A request to the maker's server gives up when this passes without a byte.
    std::chrono::milliseconds NetworkQuietLimit{10000};
    // ...and when the whole of it takes longer, so a server sending a trickle cannot hold the
    // window: the version check; the installer at a minimum throughput after a start allowance,
    // or a fixed time when its length is not announced. Tests shorten them.
    std::chrono::milliseconds UpdateCheckLimit{std::chrono::seconds(30)};
    std::chrono::milliseconds DownloadAllowance{std::chrono::seconds(60)};
    qint64 DownloadMinimumRate = 50 * 1024;  // bytes per second
    std::chrono::milliseconds DownloadLimitWithoutLength{std::chrono::minutes(15)};
    // Forces the answer of Online() (tests); unset, the system is asked.
    std::optional<bool> OnlineOverride;

    // A printer exists; printing is refused otherwise. Set at start-up.
    bool PrinterAvailable = true;
    // A port named on the command line (--port, --demo): the default port for this run only.
    QString PortForThisRun;
    // The simulated module's pseudo-terminal in a demo, and how the window names it instead.
    QString DemoPort;
    QString DemoPortCaption;
    // config.ini was there but could not be read at start-up: the rescue set is in use and the
    // file is not overwritten at closing, so the user's own settings survive.
    bool LeaveConfigFileAlone = false;
    // A log (the configuration log, the system log) could not be written during the run; the
    // user was told, and a command ends with a failure status.
    bool LogWriteFailed = false;

    // The catalogue and the sensor table of the model in use at its firmware: read-only data,
    // replaced as a whole when a read or a load brings another model or firmware.
    std::shared_ptr<const ModelCatalogue> Catalogue = CatalogueFor(QString(), 0);
    const TParameterTable& ParameterTable() const { return Catalogue->parameters; }
    const TSensorTable& SensorTable() const { return Catalogue->sensors; }
    void AdaptCatalogue(const QString& model, int firmware) {
        Catalogue = CatalogueFor(model, firmware);
    }

    // A port as texts name it: the demo's pseudo-terminal by what it is, any other by its name.
    QString PortShownAs(const QString& port) const {
        return !DemoPort.isEmpty() && port == DemoPort ? DemoPortCaption : port;
    }
    // The port a shown name stands for.
    QString PortNamed(const QString& shown) const {
        return !DemoPort.isEmpty() && shown == DemoPortCaption ? DemoPort : shown;
    }

    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons = BoxButtons::Ok) {
        return dialogs->message(kind, text, buttons);
    }
};

#pragma once

#include "form/TForm1.h"
#include "support/SimulatedPort.h"

#include <QTemporaryDir>

#include <memory>

// A simulated module, scripted boxes, a fresh program state in a temporary program folder and an
// off-screen main window on top of them.
struct WindowBench : SimulatedPort {
    explicit WindowBench(const QString& model, int firmware = 0, bool paced = false,
                         ReplyTiming timing = ReplyTiming::Simulated);

    QTemporaryDir home;
    std::unique_ptr<TForm1> form;

    // The last line of the log list without its "[hh:mm:ss] - " prefix.
    QString lastLogText() const;
    // The configuration log's bytes ("" when there is none).
    QByteArray configurationLog() const;
};

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class SerialLink;

// The port searches of the settings page: which names are tried, in which order, and the walk
// over them that opens each port once and asks whether a module answers there.

// The numbered names every search tries first.
inline constexpr int NumberedPorts = 32;
// A search stops counting (and trying) after this many ports opened.
inline constexpr int MaxOpenedPorts = 32;

// "COM1" .. "COM32", then the serial ports the system lists, then the names of `extraPorts`
// (a list separated by the platform's path-list separator, ':' or ';'). A name given twice is
// kept at its first place; empty names are dropped.
QStringList PortNamesToTry(const QStringList& systemPorts, const QString& extraPorts);

// The names the system offers: PortNamesToTry with the serial ports QSerialPortInfo lists and
// the environment variable KVC7345_PORTS.
QStringList SystemPortNamesToTry();

// What makes two names the same port: the device file they finally lead to (a symbolic link
// and its target are one port). Empty when the name leads to no device at all, which is also
// the cheap test that spares opening names that do not exist.
QString PortIdentity(const QString& portName);

// One port that opened during a search.
struct PortVisit {
    QString name;
    bool answered = false;  // the reply to the model query began with "8"
};

// Opens the named ports in order, each device once and at most `maxOpened` of them, sends the
// model query "00d00000" on each and closes it again, telling `visit` about every port that
// opened. `visit` returns false to end the search. `proceed`, when given, hears of every name
// before it is tried (its place, counted from 1, and the number of names) and returns false to
// end the search there. Returns how many ports opened.
int VisitPorts(SerialLink& link, const QStringList& names,
               const std::function<bool(const PortVisit&)>& visit, int maxOpened = MaxOpenedPorts,
               const std::function<bool(int place, int total)>& proceed = {});

#pragma once

#include "records/ConfigurationHistory.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <string_view>

// Equal header values of all files of one index, kept once: a full log repeats its dates, names
// and tags thousands of times.
struct SharedTexts {
    QHash<QByteArray, QString> texts;
    QHash<QString, QDate> days;
};

// The one pass over a configuration log behind the history: bytes go in block by block, entries
// and damaged parts come out. Lines are looked at in place; only header values become strings,
// and equal values share one string, so a full log costs little more than its entries' headers.
class LogScanner {
  public:
    // Entries and damage of `file` are added to `into`, numbered later by the caller.
    LogScanner(QString file, ConfigurationHistory& into, SharedTexts& shared);

    // The next bytes of the file, in order, of any length.
    void feed(const char* data, qsizetype size);
    // The end of the file: a last line without its line end is a cut entry.
    void finish();

  private:
    enum class State { Outside, InEntry, Skipping };

    void takeLine(std::string_view line, bool ended);
    void takeKeyLine(std::string_view line, std::string_view::size_type equals);
    void openEntry();
    void closeEntry();
    void damageEntry(const QString& reason);
    QString lineReason(const char* what) const;
    QString shared(std::string_view bytes);
    QDate dayOf(const QString& date);

    QString file_;
    ConfigurationHistory& into_;
    QByteArray partial_;    // a line the last block ended inside
    qint64 lineStart_ = 0;  // the file's byte the line being read starts at
    qint64 lineNumber_ = 0;

    State state_ = State::Outside;
    HistoryEntry entry_;
    int entryLines_ = 0;
    int parameters_ = 0;
    bool hasDate_ = false;
    bool hasTime_ = false;
    bool hasFirmware_ = false;
    bool blankSeen_ = false;  // key lines end at an empty line; only empty lines may follow

    SharedTexts& shared_;
};

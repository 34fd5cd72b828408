#include "records/HistoryScan.h"

#include "records/ConfigurationFile.h"
#include "records/ConfigurationReader.h"

#include <QLocale>

#include <cstring>

namespace {

// A line longer than this is no line of a configuration: the file is no text log.
constexpr qsizetype LongestLine = 64 * 1024;

// The key of a key line as the file reader takes it: the characters before the one in front of
// "=", up to the first two blanks in a row.
std::string_view keyOf(std::string_view line, std::string_view::size_type equals) {
    std::string_view key = line.substr(0, equals > 0 ? equals - 1 : 0);
    const auto blanks = key.find("  ");
    return blanks == std::string_view::npos ? key : key.substr(0, blanks);
}

// The value as the file reader takes it: from the second character after "=".
std::string_view valueOf(std::string_view line, std::string_view::size_type equals) {
    return equals + 2 <= line.size() ? line.substr(equals + 2) : std::string_view();
}

// Tags fill their registers with blanks, names may end in some: neither is part of the text.
std::string_view withoutTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace

LogScanner::LogScanner(QString file, ConfigurationHistory& into, SharedTexts& shared)
    : file_(std::move(file)), into_(into), shared_(shared) {}

void LogScanner::feed(const char* data, qsizetype size) {
    const char* const end = data + size;
    const char* cursor = data;
    while (cursor < end) {
        const auto* newline =
            static_cast<const char*>(std::memchr(cursor, '\n', static_cast<size_t>(end - cursor)));
        if (newline == nullptr) {
            partial_.append(cursor, end - cursor);
            if (partial_.size() > LongestLine) {
                // Taken as a line of its own, so a file without line ends cannot fill memory.
                takeLine(std::string_view(partial_.constData(), partial_.size()), true);
                lineStart_ += partial_.size();
                partial_.clear();
            }
            break;
        }
        std::string_view line;
        if (partial_.isEmpty()) {
            line = std::string_view(cursor, static_cast<size_t>(newline - cursor));
        } else {
            partial_.append(cursor, newline - cursor);
            line = std::string_view(partial_.constData(), static_cast<size_t>(partial_.size()));
        }
        const qint64 length = static_cast<qint64>(line.size()) + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        takeLine(line, true);
        lineStart_ += length;
        partial_.clear();
        cursor = newline + 1;
    }
}

void LogScanner::finish() {
    if (!partial_.isEmpty()) {
        takeLine(std::string_view(partial_.constData(), static_cast<size_t>(partial_.size())),
                 false);
        lineStart_ += partial_.size();
        partial_.clear();
    }
    closeEntry();
}

void LogScanner::takeLine(std::string_view line, bool ended) {
    ++lineNumber_;
    if (line == FirstFileLine) {
        closeEntry();
        openEntry();
        if (!ended) {
            damageEntry(lineReason("the entry is cut off in"));
        }
        return;
    }
    if (state_ == State::InEntry && static_cast<qsizetype>(line.size()) > LongestLine) {
        damageEntry(lineReason("an overlong line at"));
        return;
    }
    if (state_ == State::Outside) {
        HistoryDamage damage{file_, lineStart_, lineNumber_,
                             QStringLiteral("text that belongs to no configuration")};
        into_.damaged << damage;
        state_ = State::Skipping;
        return;
    }
    if (state_ == State::Skipping) {
        return;
    }
    ++entryLines_;
    if (!ended) {
        damageEntry(lineReason("the entry is cut off in"));
        return;
    }
    if (std::memchr(line.data(), '\0', line.size()) != nullptr) {
        damageEntry(lineReason("NUL bytes in"));
        return;
    }
    if (entryLines_ <= 3) {
        if (line.empty() || line.front() != '#') {
            damageEntry(lineReason("no comment in"));
        }
        return;
    }
    if (entryLines_ == 4) {
        if (!line.empty()) {
            damageEntry(lineReason("no empty line at"));
        }
        return;
    }
    if (entryLines_ == 5) {
        if (line.size() < 6) {
            damageEntry(lineReason("no model code in"));
        } else {
            entry_.model = shared(line.substr(0, 6));
        }
        return;
    }
    if (line.empty()) {
        blankSeen_ = true;
        return;
    }
    const auto equals = line.find('=');
    if (blankSeen_ || equals == std::string_view::npos) {
        damageEntry(lineReason("no key line at"));
        return;
    }
    takeKeyLine(line, equals);
}

void LogScanner::takeKeyLine(std::string_view line, std::string_view::size_type equals) {
    const std::string_view key = keyOf(line, equals);
    // Header keys begin with one of these letters; most parameter lines are passed by at once.
    const char first = key.empty() ? '\0' : key.front();
    if (first != 'D' && first != 'T' && first != 'M') {
        ++parameters_;
        return;
    }
    const std::string_view value = valueOf(line, equals);
    if (key == "DATE") {
        entry_.date = shared(value);
        entry_.day = dayOf(entry_.date);
        hasDate_ = true;
    } else if (key == "TIME") {
        entry_.time = shared(value);
        hasTime_ = true;
    } else if (key == "MDVERSION") {
        const auto firmware = FileFirmware(QString::fromLatin1(value.data(), value.size()));
        if (!firmware) {
            damageEntry(lineReason("no firmware version in"));
            return;
        }
        entry_.firmware = *firmware;
        hasFirmware_ = true;
    } else if (key == "DONEBY") {
        entry_.doneBy = shared(withoutTrailingBlanks(value));
    } else if (key == "DONEFOR") {
        entry_.doneFor = shared(withoutTrailingBlanks(value));
    } else if (key == "TAG1") {
        entry_.tag1 = shared(withoutTrailingBlanks(value));
    } else if (key == "TAG2") {
        entry_.tag2 = shared(withoutTrailingBlanks(value));
    } else {
        ++parameters_;
    }
}

void LogScanner::openEntry() {
    state_ = State::InEntry;
    entry_ = HistoryEntry();
    entry_.file = file_;
    entry_.offset = lineStart_;
    entry_.line = lineNumber_;
    entryLines_ = 1;
    parameters_ = 0;
    hasDate_ = hasTime_ = hasFirmware_ = blankSeen_ = false;
}

void LogScanner::closeEntry() {
    if (state_ != State::InEntry) {
        state_ = State::Outside;
        return;
    }
    // Every line so far was in order: what is missing says where the entry was cut.
    const char* missing = entryLines_ < 5    ? "its model line"
                          : !hasDate_        ? "its DATE line"
                          : !hasTime_        ? "its TIME line"
                          : !hasFirmware_    ? "its MDVERSION line"
                          : parameters_ == 0 ? "its parameter lines"
                                             : nullptr;
    if (missing != nullptr) {
        damageEntry(QStringLiteral("the entry ends without ") + QLatin1String(missing));
    } else {
        entry_.length = lineStart_ - entry_.offset;
        into_.entries << entry_;
    }
    state_ = State::Outside;
}

void LogScanner::damageEntry(const QString& reason) {
    into_.damaged << HistoryDamage{file_, entry_.offset, entry_.line, reason};
    state_ = State::Skipping;
}

QString LogScanner::lineReason(const char* what) const {
    return QLatin1String(what) + QStringLiteral(" line ") + QString::number(lineNumber_);
}

QString LogScanner::shared(std::string_view bytes) {
    const QByteArray key =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const auto found = shared_.texts.constFind(key);
    if (found != shared_.texts.constEnd()) {
        return *found;
    }
    const QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // The key is copied: the raw bytes belong to the block being read.
    shared_.texts.insert(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), text);
    return text;
}

QDate LogScanner::dayOf(const QString& date) {
    const auto found = shared_.days.constFind(date);
    if (found != shared_.days.constEnd()) {
        return *found;
    }
    QDate day = QLocale().toDate(date, QLocale::ShortFormat);
    // A short format writes two-digit years; they are this century's.
    if (day.isValid() && day.year() < 1970) {
        day = day.addYears(100);
    }
    if (!day.isValid()) {
        day = QDate::fromString(date, Qt::ISODate);
    }
    shared_.days.insert(date, day);
    return day;
}

#include "records/ConfigurationLoad.h"

#include "catalogue/CatalogueLookup.h"
#include "link/ModuleTag.h"
#include "records/ConfigurationCheck.h"
#include "records/FileMessages.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <optional>

namespace {

// A configuration file takes a few kilobytes; anything this large was chosen by mistake and is
// not read into memory.
constexpr qint64 LargestConfigurationFile = 1 << 20;

QString problemWith(const QString& path, const QString& reason) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

FileReadOutcome unreadable(const QString& path, const QString& reason) {
    return {LoadFailure::Unreadable, problemWith(path, reason), {}};
}

// The shape and content problem of a file that cannot be a configuration; "" for a valid one.
QString invalidity(const ConfigurationText& text) {
    if (text.shape != FileShape::Valid) {
        return ShapeProblemText(text.shape);
    }
    return ContentProblemText(CheckConfigurationContent(text), text.model);
}

// The first item equal to `text`, letter case included. Empty slots never match.
std::optional<int> indexOfItem(const TTableEntry& entry, const QString& text) {
    for (int k = 0; k < TTableEntry::ItemCount; ++k) {
        const QString& item = entry.Items.at(static_cast<std::size_t>(k));
        if (!item.isEmpty() && item == text) {
            return k;
        }
    }
    return std::nullopt;
}

std::optional<LoadedLine::Kind> headerKind(const QString& key) {
    using Kind = LoadedLine::Kind;
    static const QHash<QString, Kind> kinds{
        {QStringLiteral("DATE"), Kind::Date},     {QStringLiteral("MDVERSION"), Kind::Firmware},
        {QStringLiteral("DONEBY"), Kind::DoneBy}, {QStringLiteral("DONEFOR"), Kind::DoneFor},
        {QStringLiteral("TAG1"), Kind::Tag1},     {QStringLiteral("TAG2"), Kind::Tag2}};
    const auto found = kinds.constFind(key);
    return found != kinds.cend() ? std::optional(*found) : std::nullopt;
}

// The value of a parameter line as the entry stores it; nothing when the entry cannot take it.
std::optional<int> storedValue(const TTableEntry& entry, const QString& value) {
    return entry.FieldType == FieldKind::Number ? FileNumber(value) : indexOfItem(entry, value);
}

}  // namespace

QString LoadedTag(const QString& value) {
    return CleanTag(value).left(TagLength);
}

FileReadOutcome ReadConfigurationFile(const QString& path) {
    if (const QString problem = FileKindProblem(path); !problem.isEmpty()) {
        return unreadable(path, problem);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return unreadable(path, file.errorString());
    }
    // Devices report no size, so the read itself is bounded too.
    const QByteArray bytes = file.read(LargestConfigurationFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return unreadable(path, file.errorString());
    }
    return ReadConfigurationBytes(bytes);
}

FileReadOutcome ReadConfigurationBytes(const QByteArray& bytes) {
    FileReadOutcome outcome;
    if (bytes.size() > LargestConfigurationFile) {
        outcome.text.shape = FileShape::TooManyKeyLines;
    } else {
        outcome.text = ReadConfigurationText(bytes);
    }
    if (const QString why = invalidity(outcome.text); !why.isEmpty()) {
        return {LoadFailure::Invalid, why, {}};
    }
    return outcome;
}

EntriesOutcome TakeConfigurationEntries(const EntryList& entries,
                                        ModuleConfiguration& configuration,
                                        std::shared_ptr<const ModelCatalogue>& catalogue,
                                        const std::function<void(const LoadedLine&)>& taken) {
    for (int n = 1; n <= EntryList::Slots; ++n) {
        if (EntriesEndAt(entries, n)) {
            break;
        }
        const QString& key = entries.FileNames(n);
        const QString& value = entries.FileValues(n);
        auto failed = [&](LoadFailure failure, const QString& why) {
            return EntriesOutcome{failure, n, key, value, why};
        };
        // The texts of a header line load as written; only MDVERSION is a number. TIME and
        // SWVERSION describe the saving, not the configuration.
        if (IsHeaderKey(key)) {
            const auto kind = headerKind(key);
            if (!kind) {
                continue;
            }
            LoadedLine line{*kind, value, 0, 0};
            if (*kind == LoadedLine::Kind::Tag1 || *kind == LoadedLine::Kind::Tag2) {
                line.value = LoadedTag(value);
            }
            if (*kind == LoadedLine::Kind::Firmware) {
                const auto version = FileFirmware(value);
                if (!version) {
                    return failed(LoadFailure::Invalid, ValueProblemText(key, value));
                }
                line.number = *version;
                configuration.firmware = *version;
                catalogue = CatalogueFor(configuration.model, *version);
            }
            taken(line);
            continue;
        }
        const auto index = IndexOfName(catalogue->parameters, key);
        if (!index) {
            return failed(LoadFailure::Invalid, KeyProblemText(key));
        }
        const TTableEntry& entry = catalogue->parameters[*index];
        const auto stored = storedValue(entry, value);
        if (!stored) {
            return entry.FieldType == FieldKind::Number
                       ? failed(LoadFailure::Invalid, ValueProblemText(key, value))
                       : failed(LoadFailure::UnrecognisedValue, {});
        }
        configuration.set(*index, *stored);
        taken({LoadedLine::Kind::Parameter, value, *stored, *index});
    }
    return {};
}

#include "records/ConfigurationCheck.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/ModelLayout.h"
#include "link/ModelTable.h"

#include <QFileInfo>

QString FileKindProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) {
        return {};
    }
    if (info.isDir()) {
        return QStringLiteral("it is a folder, not a file");
    }
    return QStringLiteral("it is not a regular file (a device or a pipe)");
}

ContentCheck CheckConfigurationContent(const ConfigurationText& text) {
    if (!ConfigurableModels().contains(text.model)) {
        return {FileContent::UnknownModel, text.model};
    }
    // Names never change with the firmware; only the models a parameter is valid for do.
    static const TParameterTable names = InitialParameterTable();
    const QSet<int> ofModel = ParametersOfModel(text.model);
    bool firmware = false;
    for (int n = 1; n <= EntryList::Slots && !EntriesEndAt(text.entries, n); ++n) {
        const QString& key = text.entries.FileNames(n);
        if (key == QLatin1String("MDVERSION")) {
            const QString& value = text.entries.FileValues(n);
            if (!FileFirmware(value)) {
                return {FileContent::NoFirmware, value};
            }
            firmware = true;
        } else if (!IsHeaderKey(key)) {
            const auto index = IndexOfName(names, key);
            if (index && !ofModel.contains(*index)) {
                return {FileContent::ForeignParameter, key};
            }
        }
    }
    if (!firmware) {
        return {FileContent::NoFirmware, QString()};
    }
    return {};
}

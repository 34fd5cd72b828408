// The manual and the links of the window: everything is opened by the desktop through the
// dialogs, so a test sees what would have been opened.

#include "form/TForm1.h"
#include "shell/MakerSite.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// The manual, shipped with the program.
const QString Manual = QStringLiteral("DOC0417.pdf");

}  // namespace

void TForm1::TBHelpClick() {
    const QStringList folders =
        ManualFolders(state_.ProgramFolder, QCoreApplication::applicationDirPath());
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(Manual);
        if (QFileInfo(path).isFile()) {
            if (!state_.dialogs->openUrl(QUrl::fromLocalFile(path))) {
                state_.dialogs->message(
                    BoxKind::Warning,
                    QStringLiteral("The manual could not be opened: no program for PDF documents "
                                   "was found.\rIt is ") +
                        QDir::toNativeSeparators(path),
                    BoxButtons::Ok);
            }
            return;
        }
    }
    // The desktop would say only that a file is missing; the user needs to know where to put it.
    QStringList shown;
    for (const QString& folder : folders) {
        shown << QStringLiteral("  ") + QDir::toNativeSeparators(folder);
    }
    state_.dialogs->message(BoxKind::Warning,
                            QStringLiteral("The manual ") + Manual +
                                QStringLiteral(" was not found. It was looked for in:\r") +
                                shown.join(QLatin1Char('\r')),
                            BoxButtons::Ok);
}

void TForm1::BitBtn4Click() {
    TBHelpClick();
}

void TForm1::OpenLink(const QUrl& url, LinkOpening opening) {
    OpenAddress(*state_.dialogs, url, opening == LinkOpening::InternalBrowser);
}

void TForm1::LDataSheetClick() {
    OpenLink(QUrl(MakerWebSite() + QStringLiteral("/?pn=") + state_.ModelCode),
             LinkOpening::InternalBrowser);
}

void TForm1::Label5Click() {
    OpenLink(QUrl(MakerWebSite()));
}

void TForm1::Label1Click() {
    OpenLink(QUrl(QStringLiteral("mailto:") + MakerSupportAddress() +
                  QStringLiteral("?subject=Support for Software")));
}

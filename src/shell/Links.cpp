// The manual and the links of the window: everything is opened by the desktop through the
// dialogs, so a test sees what would have been opened.

#include "form/TForm1.h"
#include "shell/MakerSite.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QUrl>

namespace {

// The manual, shipped in the program folder.
const QString Manual = QStringLiteral("DOC0417.pdf");

}  // namespace

void TForm1::TBHelpClick() {
    // A missing manual is the desktop's to report, not the program's.
    state_.dialogs->openUrl(QUrl::fromLocalFile(QDir(state_.ProgramFolder).filePath(Manual)));
}

void TForm1::BitBtn4Click() {
    TBHelpClick();
}

void TForm1::LDataSheetClick() {
    state_.dialogs->showInBrowser(
        QUrl(MakerWebSite() + QStringLiteral("/?pn=") + state_.ModelCode));
}

void TForm1::Label5Click() {
    state_.dialogs->openUrl(QUrl(MakerWebSite()));
}

void TForm1::Label1Click() {
    state_.dialogs->openUrl(QUrl(QStringLiteral("mailto:") + MakerSupportAddress() +
                                 QStringLiteral("?subject=Support for Software")));
}

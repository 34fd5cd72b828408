#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/MakerSite.h"
#include "window/ControlLook.h"
#include "window/FirstShow.h"
#include "window/LicenceText.h"
#include "window/Pages.h"
#include "window/Pictures.h"
#include "window/WidgetFactory.h"

namespace {

constexpr int PageWidth = PageArea.width();
constexpr int Margin = 10;
constexpr int GroupWidth = PageWidth - 2 * Margin;

QLabel* link(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* label = widgets::label(parent, name, text, place);
    widgets::setLinkLook(label);
    return label;
}

void buildMaker(QWidget* page) {
    const QRect frame(Margin, Margin, 230, 122);
    auto* logoFrame = widgets::panel(page, QStringLiteral("PLogo"), frame);
    const QRect inside = logoFrame->contentsRect();
    auto* logo = widgets::label(logoFrame, QStringLiteral("ImgLogo"), QString(), inside);
    // Drawn with a face of its own, which takes loading: only when the page is first shown.
    widgets::WhenFirstShown(
        logo, [logo, size = inside.size()] { logo->setPixmap(pictures::makerLogo(size)); });

    constexpr int Left = 260;
    constexpr int Line = 18;
    const QStringList address = MakerAddressLines();
    const QString lines[][2] = {
        {QStringLiteral("LMakerName"), MakerName()},
        {QStringLiteral("LMakerAddress1"), address.value(0)},
        {QStringLiteral("LMakerAddress2"), address.value(1)},
        {QStringLiteral("LMakerAddress3"), address.value(2)},
    };
    int top = Margin + 4;
    for (const auto& [name, text] : lines) {
        widgets::label(page, name, text, {Left, top, PageWidth - Left - Margin, Line});
        top += Line;
    }
    link(page, QStringLiteral("Label5"), MakerWebSite(), {Left, top + 10, 300, Line});
    link(page, QStringLiteral("Label1"), MakerSupportAddress(), {Left, top + 10 + Line, 300, Line});
}

void buildDisclaimer(QWidget* page) {
    auto* group = widgets::group(page, QStringLiteral("GBDisclaimer"),
                                 QStringLiteral("   End User License Agreement   "),
                                 {Margin, 142, GroupWidth, 318});
    auto* memo = new QPlainTextEdit(LicenceText(), group);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(10, 22, GroupWidth - 20, 318 - 32);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void buildUpdateCheck(QWidget* page) {
    constexpr int Top = 468;
    auto* group =
        widgets::group(page, QStringLiteral("GBUpdateCheck"),
                       QStringLiteral("   Software update   "), {Margin, Top, GroupWidth, 132});
    constexpr int CaptionWidth = 110;
    constexpr int Value = 15 + CaptionWidth + 5;
    widgets::label(group, QStringLiteral("LUpdateInstalledVersionSx"),
                   QStringLiteral("Installed version:"), {15, 28, CaptionWidth, 18});
    widgets::label(group, QStringLiteral("LUpdateInstalledVersionDx"), QStringLiteral("-"),
                   {Value, 28, 55, 18});
    widgets::label(group, QStringLiteral("LUpdateServerVersionSx"),
                   QStringLiteral("Server version:"), {15, 50, CaptionWidth, 18});
    widgets::label(group, QStringLiteral("LUpdateServerVersionDx"), QStringLiteral("-"),
                   {Value, 50, 55, 18});

    // Shown once the server offers a newer version.
    auto* download = link(group, QStringLiteral("LUpdateServerVersionDownload"),
                          QStringLiteral("Click here to update!"), {Value + 60, 50, 160, 18});
    widgets::setHint(download, QStringLiteral("Download new version and start update process"));
    download->hide();

    auto* note = widgets::label(group, QStringLiteral("LUpdateNote"),
                                QStringLiteral("Note: searching for and downloading updates needs "
                                               "an active internet connection."),
                                {15, 84, GroupWidth - 30, 34});
    note->setWordWrap(true);

    widgets::button(group, QStringLiteral("BSearchForUpdates"),
                    QStringLiteral("Search for updates"), {GroupWidth - 175, 26, 160, 30});
}

}  // namespace

void BuildAboutPage(QWidget* page) {
    buildMaker(page);
    buildDisclaimer(page);
    buildUpdateCheck(page);
}

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "window/ControlLook.h"
#include "window/Pages.h"
#include "window/Pictures.h"
#include "window/WidgetFactory.h"

namespace {

constexpr int LeftColumn = 5;
constexpr int LeftWidth = 440;
constexpr int RightColumn = LeftColumn + LeftWidth + 6;
constexpr int RightWidth = PageArea.width() - RightColumn - 5;
constexpr int Bottom = 570;  // the groups end here, above the help button
// The left column's groups, top to bottom, 7 pixels apart.
constexpr int SecurityHeight = 201;
constexpr int VariousTop = 5 + SecurityHeight + 7;
constexpr int AdditionalTop = 384;

QLabel* wrappedLabel(QWidget* parent, const QString& name, const QString& text,
                     const QRect& place) {
    auto* label = widgets::label(parent, name, text, place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void buildSecurity(QWidget* page) {
    auto* group =
        widgets::group(page, QStringLiteral("GBAdministration"), QStringLiteral("   SECURITY   "),
                       {LeftColumn, 5, LeftWidth, SecurityHeight});
    widgets::label(group, QStringLiteral("LActivatePassword"),
                   QStringLiteral("Activate Password Restriction"), {12, 24, 190, 18});
    widgets::checkBox(group, QStringLiteral("CheckBox1"), QString(), {205, 24, 20, 18});

    // Until the restriction is switched on, the password controls stay greyed.
    const int width = LeftWidth - 24;
    widgets::greyOut(wrappedLabel(
        group, QStringLiteral("LAdministration1"),
        QStringLiteral("A password for accessing this software can be set to avoid unauthorized "
                       "access. Use the form below to change Administration Password. "),
        {12, 50, width, 46}));
    widgets::greyOut(widgets::label(group, QStringLiteral("LAdministration2"),
                                    QStringLiteral("Note: passwords are Case-Sensitive"),
                                    {12, 100, width, 17}));
    widgets::greyOut(widgets::label(
        group, QStringLiteral("LAdministration3"),
        QStringLiteral(" (i.e: 'PASSWORD' is different from 'password')"), {12, 117, width, 17}));

    constexpr int Row = 145;
    widgets::greyOut(widgets::label(group, QStringLiteral("LOldPassword"), QStringLiteral("Old:"),
                                    {12, Row + 2, 32, 18}));
    auto* oldPassword =
        widgets::edit(group, QStringLiteral("TOldPasswordInput"), {46, Row, 115, 22});
    widgets::setHint(oldPassword, QStringLiteral("Type in Old Password"));
    oldPassword->setEchoMode(QLineEdit::Password);
    widgets::greyOut(oldPassword);

    widgets::greyOut(widgets::label(group, QStringLiteral("LNewPassword"), QStringLiteral("New:"),
                                    {172, Row + 2, 34, 18}));
    auto* newPassword =
        widgets::edit(group, QStringLiteral("TNewPasswordInput"), {208, Row, 115, 22});
    widgets::setHint(newPassword, QStringLiteral("Type in New Password"));
    newPassword->setEchoMode(QLineEdit::Password);
    widgets::greyOut(newPassword);

    // The new password is typed twice, in a row of its own below the new one.
    constexpr int RepeatRow = Row + 26;
    auto* repeatLabel = widgets::label(group, QStringLiteral("LRepeatPassword"),
                                       QStringLiteral("Repeat:"), {150, RepeatRow + 2, 56, 18});
    repeatLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    widgets::greyOut(repeatLabel);
    auto* repeatPassword =
        widgets::edit(group, QStringLiteral("TRepeatPasswordInput"), {208, RepeatRow, 115, 22});
    widgets::setHint(repeatPassword, QStringLiteral("Type in New Password again"));
    repeatPassword->setEchoMode(QLineEdit::Password);
    widgets::greyOut(repeatPassword);

    widgets::greyOut(widgets::button(group, QStringLiteral("BChangePassword"),
                                     QStringLiteral("Modify"),
                                     {LeftWidth - 97, RepeatRow - 2, 85, 26}));
}

void buildVarious(QWidget* page) {
    auto* group =
        widgets::group(page, QStringLiteral("GBVariousSettings"), QStringLiteral("   VARIOUS   "),
                       {LeftColumn, VariousTop, LeftWidth, AdditionalTop - 7 - VariousTop});
    const std::pair<const char*, const char*> boxes[] = {
        {"CBViewValueScreen", "View 'Values' screen at opening"},
        {"CBWarnNoModify", "Warn when writing unmodified configuration"},
        {"CBViewOnlineLink",
         "Show link to online product information when connected to the internet"},
        {"CBCloseInfoPositiveRead",
         "Automatically close confirm dialog after reading configuration"},
        {"CBCloseInfoPositiveWrite",
         "Automatically close confirm dialog after writing configuration"},
        {"CBAutoCheckUpdate", "Automatically check for updates at startup"},
    };
    int top = 26;
    for (const auto& [name, caption] : boxes) {
        widgets::checkBox(group, QString::fromLatin1(name), QString::fromLatin1(caption),
                          {8, top, LeftWidth - 18, 20});
        top += 22;
    }
}

void buildAdditionalInformation(QWidget* page) {
    auto* group = widgets::group(page, QStringLiteral("GBAdditionalINformation"),
                                 QStringLiteral("   ADDITIONAL INFORMATION   "),
                                 {LeftColumn, AdditionalTop, LeftWidth, Bottom - AdditionalTop});
    constexpr int EditLeft = 160;
    const int editWidth = LeftWidth - EditLeft - 12;
    widgets::label(group, QStringLiteral("LDefaultDoneBy"),
                   QStringLiteral("Configuration done by: "), {12, 34, 145, 18});
    widgets::edit(group, QStringLiteral("TDefaultDoneBy"), {EditLeft, 32, editWidth, 22});
    widgets::label(group, QStringLiteral("LDefaultDoneFor"),
                   QStringLiteral("Configuration done for: "), {12, 68, 145, 18});
    widgets::edit(group, QStringLiteral("TDefaultDoneFor"), {EditLeft, 66, editWidth, 22});

    widgets::checkBox(group, QStringLiteral("CBDoneByDoneFor"),
                      QStringLiteral("remember next time"), {EditLeft, 105, 160, 20});
    widgets::button(group, QStringLiteral("BDoneByDoneFor"), QStringLiteral("Save"),
                    {LeftWidth - 97, 102, 85, 26});
    widgets::checkBox(group, QStringLiteral("CBWarnAdditionalInformation"),
                      QStringLiteral("Warn if information is found empty before saving"),
                      {8, 146, LeftWidth - 18, 20});
}

void buildComPort(QWidget* page) {
    auto* group = widgets::group(page, QStringLiteral("BGComPortSettings"),
                                 QStringLiteral("   COM PORT SETTINGS   "),
                                 {RightColumn, 5, RightWidth, Bottom - 5});
    const int width = RightWidth - 20;
    wrappedLabel(
        group, QStringLiteral("LComPortInfo1"),
        QStringLiteral("The COM Port is the physical interface between your PC and the KPT "
                       "5532 converter, to which the Isolator has to be connected (figure "
                       "below)."),
        {10, 24, width, 62});

    const QSize pictureSize(width, 130);
    auto* picture =
        widgets::label(group, QStringLiteral("ImgConnection"), QString(), {{10, 92}, pictureSize});
    picture->setPixmap(pictures::connection(pictureSize));

    const QChar quote(u'"');
    wrappedLabel(group, QStringLiteral("LComPortInfo2"),
                 QStringLiteral("The 'COM port discover") + quote +
                     QStringLiteral(" button scans available ports to find a valid NV module; "
                                    "the ") +
                     quote + QStringLiteral("Manual selection") + quote +
                     QStringLiteral(" option gives the possibility to choose any port among "
                                    "available ones."),
                 {10, 234, width, 80});

    constexpr int CaptionWidth = 112;
    constexpr int Control = 10 + CaptionWidth + 4;
    widgets::label(group, QStringLiteral("LDefaultComPortSx"), QStringLiteral("Default COM port:"),
                   {10, 326, CaptionWidth, 18});
    auto* port = widgets::label(group, QStringLiteral("LDefaultComPort"), QStringLiteral("-"),
                                {Control, 326, width - Control, 18});
    QFont bold = port->font();
    bold.setBold(true);
    port->setFont(bold);

    widgets::label(group, QStringLiteral("LAutoDetectSx"), QStringLiteral("COM port discover:"),
                   {10, 358, CaptionWidth, 18});
    widgets::button(group, QStringLiteral("BAutoDetect"), QStringLiteral("Start"),
                    {Control, 354, 80, 26});

    widgets::label(group, QStringLiteral("LChangeDefaultComPortSx"),
                   QStringLiteral("Manual selection:"), {10, 392, CaptionWidth, 18});
    widgets::list(group, QStringLiteral("CDefaultComPort"), {Control, 389, 72, 24});
    widgets::button(group, QStringLiteral("BChangeDefaultComPort"), QStringLiteral("Change"),
                    {Control + 78, 388, width + 10 - Control - 78, 26});

    wrappedLabel(group, QStringLiteral("LComPortNote"),
                 QStringLiteral("Please remember that the module must be correctly connected and "
                                "supplied. Please refer to datasheet or instruction manual for "
                                "further details."),
                 {10, 432, width, 75});
    // Below the note, where the group has room left.
    widgets::checkBox(group, QStringLiteral("CBVerifyWrite"),
                      QStringLiteral("Verify after writing"), {10, 515, width, 20});
}

}  // namespace

void BuildSettingsPage(QWidget* page) {
    buildSecurity(page);
    buildVarious(page);
    buildAdditionalInformation(page);
    buildComPort(page);

    auto* help = widgets::button(page, QStringLiteral("BitBtn4"), QStringLiteral("Help"),
                                 {RightColumn + RightWidth - 90, Bottom + 7, 90, 28});
    help->setIcon(pictures::helpMark(QSize(16, 16)));
}

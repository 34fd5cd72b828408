// The status box that operations bring to the front, and the password cover.

#include "window/FirstShow.h"
#include "window/MainWindow.h"
#include "window/WidgetFactory.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace widgets;

void ConfiguratorWindow::buildStatusBox(QWidget* client) {
    QFrame* box = panel(client, QStringLiteral("PStatus"), {198, 171, 353, 170});
    box->setFrameShadow(QFrame::Raised);
    box->setAutoFillBackground(true);

    QLabel* title = label(box, QStringLiteral("LStatusTitle"), QString(), {8, 8, 337, 20});
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(10);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    QFrame* rule = panel(box, QStringLiteral("Panel3"), {8, 32, 337, 2});
    rule->setFrameShape(QFrame::HLine);
    rule->setLineWidth(1);

    QLabel* status = label(box, QStringLiteral("LStatus"), QString(), {8, 38, 337, 88});
    QFont statusFont = status->font();
    statusFont.setPointSize(10);
    status->setFont(statusFont);
    status->setAlignment(Qt::AlignCenter);
    status->setWordWrap(true);

    QPushButton* okButton =
        button(box, QStringLiteral("BStatus"), QStringLiteral("OK"), {139, 134, 75, 25});
    button(box, QStringLiteral("BStatus_AquireZero"), QStringLiteral("Aquire Zero"),
           {20, 134, 100, 25});
    button(box, QStringLiteral("BStatus_AquireReference"), QStringLiteral("Aquire Reference"),
           {20, 134, 120, 25});
    button(box, QStringLiteral("BCancelStatus"), QStringLiteral("Cancel"), {250, 134, 80, 25});
    // The style's icons come from the icon theme, a search through its folders that the first
    // paint need not wait for: the box is hidden until an operation shows it.
    WhenFirstShown(box, [box] {
        const QIcon ok = box->style()->standardIcon(QStyle::SP_DialogOkButton);
        const QIcon cancel = box->style()->standardIcon(QStyle::SP_DialogCancelButton);
        for (const char* name : {"BStatus", "BStatus_AquireZero", "BStatus_AquireReference"}) {
            box->findChild<QPushButton*>(QString::fromLatin1(name))->setIcon(ok);
        }
        box->findChild<QPushButton*>(QStringLiteral("BCancelStatus"))->setIcon(cancel);
    });
    for (const char* hidden : {"BStatus_AquireZero", "BStatus_AquireReference", "BCancelStatus"}) {
        box->findChild<QPushButton*>(QString::fromLatin1(hidden))->setVisible(false);
    }

    QGroupBox* input = group(box, QStringLiteral("GBStatusInput"), QString(), {60, 88, 233, 40});
    label(input, QStringLiteral("LInputValueSx"), QStringLiteral("Input Value:"), {10, 12, 70, 20});
    label(input, QStringLiteral("LInputValue"), QString(), {84, 12, 140, 20});
    input->setVisible(false);

    // Start-up centres the OK button, truncating like the original layout arithmetic.
    okButton->move((box->width() - okButton->width()) / 2, okButton->y());
    box->setVisible(false);
}

void ConfiguratorWindow::buildPasswordPanel(QWidget* client) {
    QFrame* cover =
        panel(client, QStringLiteral("PasswordPanel"), {0, 0, ClientWidth, ClientHeight});
    cover->setFrameShape(QFrame::NoFrame);
    cover->setAutoFillBackground(true);
    label(cover, QStringLiteral("LEntry"), QStringLiteral("Enter User Password:"),
          {250, 260, 140, 20});
    edit(cover, QStringLiteral("TEntryPassword"), {250, 282, 160, 22})
        ->setEchoMode(QLineEdit::Password);
    button(cover, QStringLiteral("BEnterPassword"), QStringLiteral("Enter"), {416, 280, 75, 25});
    QLabel* result = label(cover, QStringLiteral("LResultEntry"), QString(), {250, 310, 300, 20});
    setTextColour(result, QColor(255, 0, 0));
    cover->setVisible(false);
}

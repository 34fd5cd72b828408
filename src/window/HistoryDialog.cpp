#include "window/HistoryDialog.h"

#include "form/TForm1.h"
#include "window/HistoryTableModel.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>

namespace {

QPushButton* addButton(QBoxLayout* row, const QString& name, const QString& caption,
                       const QString& hint) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setEnabled(false);
    row->addWidget(button);
    return button;
}

}  // namespace

HistoryDialog::HistoryDialog(TForm1& window, QWidget* parent)
    : QDialog(parent), browser_(window), model_(new HistoryTableModel(this)) {
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(QStringLiteral("Configuration history"));
    resize(1200, 620);

    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("HistoryFilter"));
    filter_->setPlaceholderText(QStringLiteral("Model, tag, configured by or for"));
    filter_->setClearButtonEnabled(true);
    filter_->setEnabled(false);
    count_ = new QLabel;
    count_->setObjectName(QStringLiteral("HistoryCount"));
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("Filter:")));
    filterRow->addWidget(filter_, 1);
    filterRow->addWidget(count_);

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("HistoryProgress"));
    progress_->setFormat(QStringLiteral("Reading the configuration log: %p%"));
    progress_->setVisible(false);

    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("HistoryTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->setVisible(false);
    // Tens of thousands of rows: one fixed height, so the view never measures them.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setSortIndicatorShown(true);
    table_->horizontalHeader()->setSortIndicator(HistoryTableModel::Date, Qt::DescendingOrder);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, model_,
            &HistoryTableModel::sort);
    // Each column as wide as its usual text or its caption; a tag takes its 16 characters
    // seldom, so a longer one is elided rather than widening every row.
    const QFontMetrics metrics = table_->fontMetrics();
    const char* const samples[] = {"28 Dec 2026", "00:00:00", "Q7383D",   "6149",
                                   "TT-101-A",    "TT-101-A", "J. WEBER", "PLANT A - LINE"};
    for (int column = 0; column < HistoryTableModel::ColumnCount; ++column) {
        const QString caption =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int text = metrics.horizontalAdvance(QString::fromLatin1(samples[column]));
        table_->setColumnWidth(column, std::max(text, metrics.horizontalAdvance(caption)) + 16);
    }

    damage_ = new QLabel;
    damage_->setObjectName(QStringLiteral("HistoryDamage"));
    damage_->setVisible(false);

    auto* left = new QWidget;
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(table_, 1);
    leftColumn->addWidget(damage_);

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("HistoryText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlaceholderText(QStringLiteral("Choose a configuration to see its parameters."));

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(text_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({770, 430});

    auto* buttons = new QHBoxLayout;
    load_ = addButton(buttons, QStringLiteral("HistoryLoad"), QStringLiteral("Load into window"),
                      QStringLiteral("Show this configuration in the window, as loading its file "
                                     "would"));
    save_ = addButton(buttons, QStringLiteral("HistorySave"), QStringLiteral("Save as file..."),
                      QStringLiteral("Save this configuration as a configuration file, exactly "
                                     "as the log holds it"));
    compare_ =
        addButton(buttons, QStringLiteral("HistoryCompare"), QStringLiteral("Compare with window"),
                  QStringLiteral("List how this configuration differs from the window's"));
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("HistoryClose"));
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(progress_);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_->setFilter(text);
        count_->setText(QStringLiteral("%1 of %2")
                            .arg(model_->rowCount())
                            .arg(browser_.History().entries.size()));
    });
    // A filter or a sort rebuilds the rows: the chosen entry stays chosen while it is shown.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { chosenBeforeReset_ = SelectedNumber(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (const int row = model_->rowOf(chosenBeforeReset_); row >= 0) {
            table_->selectRow(row);
        }
        selectionChanged();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryDialog::selectionChanged);
    connect(load_, &QPushButton::clicked, this, &HistoryDialog::loadIntoWindow);
    connect(save_, &QPushButton::clicked, this, &HistoryDialog::saveAsFile);
    connect(compare_, &QPushButton::clicked, this, &HistoryDialog::compareWithWindow);
    connect(close, &QPushButton::clicked, this, &HistoryDialog::reject);
}

HistoryDialog::~HistoryDialog() = default;

void HistoryDialog::Index() {
    show();
    indexing_ = true;
    progress_->setVisible(true);
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    QApplication::processEvents();
    // The window keeps painting while the logs are read; the user's input waits for the table.
    browser_.Index([this](qint64 done, qint64 total) {
        progress_->setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 1000);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    progress_->setVisible(false);
    indexing_ = false;

    model_->setEntries(&browser_.History().entries);
    count_->setText(QStringLiteral("%1 configurations").arg(browser_.History().entries.size()));
    damage_->setText(browser_.DamageSummary());
    damage_->setToolTip(browser_.DamageLines().join(QLatin1Char('\n')));
    damage_->setVisible(!browser_.History().damaged.isEmpty());
    filter_->setEnabled(true);
    filter_->setFocus();
    if (model_->rowCount() == 0) {
        text_->setPlaceholderText(
            QStringLiteral("The configuration log holds no configuration yet."));
    }
}

void HistoryDialog::reject() {
    // The index is being read: the dialog closes when the table could be shown.
    if (!indexing_) {
        QDialog::reject();
    }
}

int HistoryDialog::SelectedNumber() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : model_->numberAt(rows.first().row());
}

void HistoryDialog::selectionChanged() {
    const int number = SelectedNumber();
    enableButtons();
    showText(number > 0 ? browser_.EntryText(number) : QStringList());
}

void HistoryDialog::enableButtons() {
    const bool chosen = SelectedNumber() > 0;
    load_->setEnabled(chosen);
    save_->setEnabled(chosen);
    const bool comparable = browser_.WindowHoldsConfiguration();
    compare_->setEnabled(chosen && comparable);
    compare_->setToolTip(comparable
                             ? QStringLiteral("List how this configuration differs from the "
                                              "window's")
                             : QStringLiteral("The window holds no configuration to compare "
                                              "with: read one from a module or load one first"));
}

void HistoryDialog::showText(const QStringList& lines) {
    text_->setPlainText(lines.join(QLatin1Char('\n')));
}

void HistoryDialog::loadIntoWindow() {
    if (const int number = SelectedNumber(); number > 0) {
        browser_.LoadIntoWindow(number);
        // The pane may hold a comparison with what the window showed before.
        selectionChanged();
    }
}

void HistoryDialog::saveAsFile() {
    if (const int number = SelectedNumber(); number > 0) {
        browser_.SaveAsFile(number);
    }
}

void HistoryDialog::compareWithWindow() {
    const int number = SelectedNumber();
    if (number == 0) {
        return;
    }
    const QStringList differences = browser_.CompareWithWindow(number);
    if (!differences.isEmpty()) {
        showText(
            QStringList{QStringLiteral("Differences with the window (%1):").arg(differences.size())}
            << differences);
    }
}

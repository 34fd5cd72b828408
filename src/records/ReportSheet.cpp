// Where each piece of the configuration report stands on the paper.

#include "records/ReportSheet.h"

#include "shell/MakerSite.h"

namespace {

constexpr double TableLeft = 1.5;
constexpr double TableRight = 19.5;
constexpr double TableTop = 4.5;
constexpr double ColumnLine = 11.0;
constexpr double NameColumn = 2.8;
constexpr double ValueColumn = 11.3;
constexpr double HeaderColumn = 1.8;
constexpr int TextSize = 10;

QString modelLine(const QString& modelCode) {
    return QStringLiteral("Model: ") + modelCode +
           QStringLiteral("            Serial: ...........................");
}

// The page's fixed content in its drawing order. Pages before the last carry the header only;
// the notes, signatures and footer belong to the end of the report.
ReportPage fixedContent(const ReportSheet& sheet, bool lastPage) {
    ReportPage page;
    page.emplace_back(ReportText{modelLine(sheet.modelCode), 2.0, 1.8, 14});
    page.emplace_back(ReportLine{TableLeft, 3.3, TableRight, 3.3});
    page.emplace_back(ReportLine{TableLeft, TableTop, TableRight, TableTop});
    page.emplace_back(ReportText{QStringLiteral("Date: ") + sheet.date, 15.8, 1.8, 10});
    if (lastPage) {
        page.emplace_back(ReportLine{ColumnLine, 24.5, ColumnLine, 28.5});
    }
    page.emplace_back(ReportText{QStringLiteral("Configuration Report"), 7.5, 3.5, 20});
    if (!lastPage) {
        return page;
    }
    page.emplace_back(ReportLine{TableLeft, 22.0, TableRight, 22.0});
    page.emplace_back(ReportText{QStringLiteral("Notes:"), 1.8, 22.2, 10});
    page.emplace_back(ReportLine{TableLeft, 24.5, TableRight, 24.5});
    page.emplace_back(ReportLine{TableLeft, 25.3, TableRight, 25.3});
    page.emplace_back(ReportText{QStringLiteral("Configured by: ") + sheet.doneBy, 1.8, 24.7, 10});
    page.emplace_back(
        ReportText{QStringLiteral("Configured for: ") + sheet.doneFor, 11.3, 24.7, 10});
    page.emplace_back(
        ReportText{MakerName() + QStringLiteral(" Signal Conditioning"), 14.55, 27.5, 7});
    page.emplace_back(ReportText{MakerPostalAddress(), 12.8, 27.8, 7});
    page.emplace_back(ReportText{MakerContactLine(), 11.17, 28.1, 7});
    return page;
}

// Lays the table out row by row. Each page's rows are kept apart from its fixed content, which
// is known only once it is clear which page is the last.
class TableBuilder {
  public:
    // Row 1 of the first page: its top is the line under the title.
    TableBuilder() { pages_.emplace_back(); }

    // Starts a row that holds text. When it would pass the last row, the table is closed here
    // and the row becomes row 1 of a new page.
    void textRow() {
        if (row_ + 1 > LastReportRow) {
            closeTable();
            pages_.emplace_back();
            row_ = 1;
            return;
        }
        ++row_;
        line(ReportRowTop(row_));
    }

    // An empty row that separates sections: not needed where a page ends anyway.
    void emptyRow(bool withLine) {
        if (row_ + 1 > LastReportRow) {
            return;
        }
        ++row_;
        if (withLine) {
            line(ReportRowTop(row_));
        }
    }

    // The line under the current row.
    void lineUnderSection() { line(ReportRowTop(row_)); }

    void header(const QString& caption, const std::optional<QString>& tag) {
        text(caption, HeaderColumn, true);
        if (tag) {
            text(QStringLiteral("TAG: ") + *tag, ValueColumn, true);
        }
    }

    void parameter(const ReportRow& parameter) {
        textRow();
        text(parameter.name, NameColumn, false);
        text(parameter.value + QLatin1Char(' ') + parameter.unit, ValueColumn, false);
    }

    // The row whose top line closes the table, and the column line down to it.
    void closeTable() {
        ++row_;
        line(ReportRowTop(row_));
        pages_.back().emplace_back(
            ReportLine{ColumnLine, TableTop, ColumnLine, ReportRowTop(row_)});
    }

    ReportPages takePages() { return std::move(pages_); }

  private:
    void line(double y) { pages_.back().emplace_back(ReportLine{TableLeft, y, TableRight, y}); }
    void text(const QString& content, double x, bool bold) {
        pages_.back().emplace_back(ReportText{content, x, ReportRowTop(row_), TextSize, bold});
    }

    ReportPages pages_;
    int row_ = 1;
};

bool namesChannel(const ReportRow& row, QChar digit) {
    return row.name.contains(digit);
}

}  // namespace

int ReportChannelCount(const QString& modelCode) {
    if (modelCode.size() < 6) {
        return 1;
    }
    const QChar kind = modelCode.at(5);
    return kind == QLatin1Char('D') || kind == QLatin1Char('Y') || kind == QLatin1Char('X') ? 2 : 1;
}

double ReportRowTop(int row) {
    return 4.1 + 0.4 * row;
}

ReportPages LayOutReport(const ReportSheet& sheet) {
    TableBuilder table;
    table.header(QStringLiteral("CHANNEL 1"), sheet.tag1);
    for (const ReportRow& row : sheet.rows) {
        if (namesChannel(row, QLatin1Char('1'))) {
            table.parameter(row);
        }
    }
    table.emptyRow(true);
    if (ReportChannelCount(sheet.modelCode) == 2) {
        table.textRow();
        table.header(QStringLiteral("CHANNEL 2"), sheet.tag2);
        for (const ReportRow& row : sheet.rows) {
            if (namesChannel(row, QLatin1Char('2'))) {
                table.parameter(row);
            }
        }
        table.emptyRow(false);
    }
    table.lineUnderSection();
    for (const ReportRow& row : sheet.rows) {
        if (!row.name.isEmpty() && !namesChannel(row, QLatin1Char('1')) &&
            !namesChannel(row, QLatin1Char('2'))) {
            table.parameter(row);
        }
    }
    table.closeTable();

    ReportPages pages = table.takePages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        ReportPage page = fixedContent(sheet, i + 1 == pages.size());
        page.insert(page.end(), pages[i].begin(), pages[i].end());
        page.emplace_back(ReportFrame{TableLeft, 1.2});
        pages[i] = std::move(page);
    }
    return pages;
}

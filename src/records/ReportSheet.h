#pragma once

#include <QString>

#include <optional>
#include <variant>
#include <vector>

// The configuration report: what the sheet shows, and where on the paper each piece stands.
// Positions are centimetres from the paper's top-left corner; the report painter turns them
// into the device's pixels.

// One parameter row: the catalogue name, the shown value and, for a number, its unit.
struct ReportRow {
    QString name;
    QString value;
    QString unit;
};

// What the sheet documents: a configuration's header and the rows of its parameters in use.
struct ReportSheet {
    QString modelCode;
    QString date;
    QString doneBy;
    QString doneFor;
    // The channel tags, for tag fields in use.
    std::optional<QString> tag1;
    std::optional<QString> tag2;
    std::vector<ReportRow> rows;
};

// A text with its top-left corner at (x, y).
struct ReportText {
    QString text;
    double x = 0;
    double y = 0;
    int pointSize = 10;
    bool bold = false;

    bool operator==(const ReportText&) const = default;
};

struct ReportLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;

    bool operator==(const ReportLine&) const = default;
};

// The one-pixel page frame; its right and bottom edges depend on the printable area.
struct ReportFrame {
    double left = 0;
    double top = 0;

    bool operator==(const ReportFrame&) const = default;
};

using ReportItem = std::variant<ReportText, ReportLine, ReportFrame>;
// A page's items in drawing order.
using ReportPage = std::vector<ReportItem>;
using ReportPages = std::vector<ReportPage>;

// Two channel sections for two-channel codes (sixth character D or Y) and for the codes ending
// in X, whose channel-2 output parameters would otherwise be missing from the sheet.
int ReportChannelCount(const QString& modelCode);

// The top of table row r (row 1 starts at the line under the title).
double ReportRowTop(int row);

// The last row that may hold a parameter: the line that closes the table below it must stay
// above the notes line at 22.0 cm. Further rows continue on another page.
inline constexpr int LastReportRow = 43;

// The pages of the report: the fixed content, the channel sections, the common rows, the column
// line and the frame. Rows beyond LastReportRow continue on a further page with the same header;
// the notes, the signatures and the maker's footer stand on the last page.
ReportPages LayOutReport(const ReportSheet& sheet);

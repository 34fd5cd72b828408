// kvc7345-manualpdf: renders the user manual from Markdown to an A4 PDF document with Qt alone,
// so the build needs no other tool. Usage: kvc7345-manualpdf MANUAL.md OUT.pdf
// Images are taken relative to the Markdown file and shrunk to the width of the text.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// QTextDocument::print lays the text out at the screen's resolution with 2 cm margins.
constexpr double A4WidthMm = 210.0;
constexpr double MarginMm = 20.0;
constexpr double MillimetresPerInch = 25.4;

double textWidthInDocumentUnits() {
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    return (A4WidthMm - 2 * MarginMm) / MillimetresPerInch * dpi;
}

// Every picture wider than the text is shrunk to the text's width, keeping its proportions.
void fitImages(QTextDocument& document, const QDir& base) {
    const double maxWidth = textWidthInDocumentUnits();
    struct Fit {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Fit> fits;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (!part.charFormat().isImageFormat()) {
                continue;
            }
            QTextImageFormat format = part.charFormat().toImageFormat();
            const QSize size = QImageReader(base.filePath(format.name())).size();
            if (!size.isValid()) {
                std::fprintf(stderr, "kvc7345-manualpdf: cannot read the picture %s\n",
                             qPrintable(format.name()));
                continue;
            }
            const double width = std::min<double>(size.width(), maxWidth);
            format.setWidth(width);
            format.setHeight(width * size.height() / size.width());
            fits.push_back({part.position(), part.length(), format});
        }
    }
    for (const Fit& fit : fits) {
        QTextCursor cursor(&document);
        cursor.setPosition(fit.position);
        cursor.setPosition(fit.position + fit.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(fit.format);
    }
}

// The title and its introduction make the first page; the chapters follow on from the second.
// Paragraphs get a little air below them.
void shapeBlocks(QTextDocument& document) {
    int chapters = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() == 1) {
            if (++chapters == 2) {
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            }
        } else if (format.headingLevel() == 0 && !block.textList()) {
            format.setBottomMargin(std::max(format.bottomMargin(), 6.0));
        }
        QTextCursor(block).setBlockFormat(format);
    }
}

// Tables get room inside their cells and single rules between them.
void shapeTables(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat format = table->format();
            format.setCellPadding(3);
            format.setCellSpacing(0);
            format.setBorderCollapse(true);
            table->setFormat(format);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // Fonts need the GUI module, a display does not: the off-screen platform does.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() != 2) {
        std::fputs("Usage: kvc7345-manualpdf MANUAL.md OUT.pdf\n", stderr);
        return 2;
    }
    QFile source(arguments[0]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kvc7345-manualpdf: cannot read %s: %s\n", qPrintable(arguments[0]),
                     qPrintable(source.errorString()));
        return 1;
    }
    const QDir base = QFileInfo(arguments[0]).absoluteDir();

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setMetaInformation(
        QTextDocument::DocumentUrl,
        QUrl::fromLocalFile(base.filePath(QStringLiteral("manual.md"))).toString());
    document.setBaseUrl(QUrl::fromLocalFile(base.absolutePath() + QLatin1Char('/')));
    document.setMarkdown(QString::fromUtf8(source.readAll()), QTextDocument::MarkdownDialectGitHub);
    fitImages(document, base);
    shapeBlocks(document);
    shapeTables(document);

    QPdfWriter writer(arguments[1]);
    writer.setTitle(QStringLiteral("KVC7345 Configurator: User Manual"));
    writer.setCreator(QStringLiteral("kvc7345-manualpdf"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    document.print(&writer);
    if (!QFileInfo(arguments[1]).isFile() || QFileInfo(arguments[1]).size() == 0) {
        std::fprintf(stderr, "kvc7345-manualpdf: cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}

// kvc7345-iconpng: renders the program's SVG icon as square PNG pictures at build time, for the
// icon theme and the window. Usage: kvc7345-iconpng ICON.svg OUTDIR SIZE...
// Each size N becomes OUTDIR/NxN/kvc7345.png.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 3) {
        std::fputs("Usage: kvc7345-iconpng ICON.svg OUTDIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments[0]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "kvc7345-iconpng: cannot read %s\n", qPrintable(arguments[0]));
        return 1;
    }
    for (const QString& sizeText : arguments.mid(2)) {
        const int size = sizeText.toInt();
        if (size <= 0) {
            std::fprintf(stderr, "kvc7345-iconpng: not a size: %s\n", qPrintable(sizeText));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
        }
        const QString folder = QDir(arguments[1]).filePath(QStringLiteral("%1x%1").arg(size));
        QDir().mkpath(folder);
        const QString target = QDir(folder).filePath(QStringLiteral("kvc7345.png"));
        if (!image.save(target)) {
            std::fprintf(stderr, "kvc7345-iconpng: cannot write %s\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}

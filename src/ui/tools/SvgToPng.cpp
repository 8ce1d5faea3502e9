// Build tool: renders an SVG drawing to a PNG of the given size, so the
// images compiled into the program are made from the drawings kept in the
// repository. Usage: SvgToPng <in.svg> <out.png> <pixels>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // No display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        QTextStream(stderr) << "usage: SvgToPng <in.svg> <out.png> <pixels>\n";
        return 2;
    }
    QImageReader reader(arguments[1]);
    const int pixels = arguments[3].toInt();
    reader.setScaledSize(QSize(pixels, pixels));
    const QImage image = reader.read();
    if (image.isNull() || !image.save(arguments[2], "PNG")) {
        QTextStream(stderr) << "SvgToPng: " << arguments[1] << ": " << reader.errorString() << '\n';
        return 1;
    }
    return 0;
}

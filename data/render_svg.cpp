// Renders the demo pictures from their SVG sources:
//   render_svg <picture.bmp|png> <width>x<height> <layer>...
// A layer is "drawing.svg", painted over the whole picture, or
// "drawing.svg@x,y,w,h", painted into that rectangle (in pixels of the
// picture). Layers are painted in order, so one drawing of a valve box or a
// plate station serves every picture that shows it.
// BMP has no transparency, so a BMP gets a white ground; other formats a
// transparent one.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "render_svg: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Runs during the build, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Build machines often lack a runtime folder; Qt's note about it is noise
    // in every build log. SVG problems have a category of their own and stay.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "default.warning=false");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return fail(QStringLiteral("usage: render_svg <picture> <width>x<height> <layer.svg[@x,y,w,h]>..."));

    const QRegularExpression sizePattern(QStringLiteral("^(\\d+)x(\\d+)$"));
    const QRegularExpressionMatch size = sizePattern.match(args.at(1));
    if (!size.hasMatch())
        return fail(QStringLiteral("bad size %1").arg(args.at(1)));

    const QString output = args.at(0);
    QImage image(size.captured(1).toInt(), size.captured(2).toInt(), QImage::Format_ARGB32_Premultiplied);
    const bool bmp = output.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    image.fill(bmp ? Qt::white : Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRegularExpression placePattern(QStringLiteral("^(.+)@(\\d+),(\\d+),(\\d+),(\\d+)$"));
    for (const QString &layer : args.mid(2)) {
        QString file = layer;
        QRectF bounds(QPointF(0, 0), QSizeF(image.size()));
        const QRegularExpressionMatch place = placePattern.match(layer);
        if (place.hasMatch()) {
            file = place.captured(1);
            bounds = QRectF(place.captured(2).toInt(), place.captured(3).toInt(),
                            place.captured(4).toInt(), place.captured(5).toInt());
        }
        QSvgRenderer renderer(file);
        if (!renderer.isValid())
            return fail(QStringLiteral("cannot read %1").arg(file));
        renderer.render(&painter, bounds);
    }
    painter.end();

    QDir().mkpath(QFileInfo(output).absolutePath());
    const QImage saved = bmp ? image.convertToFormat(QImage::Format_RGB888) : image;
    if (!saved.save(output))
        return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}

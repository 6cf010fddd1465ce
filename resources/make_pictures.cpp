// Makes the window's pictures and icon at build time, so the reference table it shows is drawn
// from the schedule itself and can never disagree with the computed tax. Writes them as files
// (image1.jpg, image2.jpg, irgcalc-48.png) and, decoded from those files, as the pixels the
// program shows (pictures.cpp).
//   make_pictures SOURCE_DIR OUTPUT_DIR

#include "resources/pictures.h"
#include "tax/monthly_irg.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>

namespace {

const QSize kPicture(259, 194);
constexpr int kDetail = 3; // drawn larger, then scaled down smoothly

QImage renderSvg(const QString &file, const QSize &size)
{
    QSvgRenderer svg(file);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

QFont sans(qreal pixels, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    return font;
}

// A wobbly stroke with an arrowhead, as drawn by hand with a red marker.
void handDrawnArrow(QPainter &p, QPointF from, QPointF bend, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(bend, to);
    p.setPen(QPen(QColor(220, 20, 20), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const QPointF direction = to - path.pointAtPercent(0.9);
    const qreal angle = std::atan2(direction.y(), direction.x());
    for (const qreal side : {2.6, -2.6}) {
        const QPointF tip(to.x() - 30 * std::cos(angle + side / 6),
                          to.y() - 30 * std::sin(angle + side / 6));
        p.drawLine(to, tip);
    }
}

QImage referenceTable()
{
    const QSize size = kPicture * kDetail;
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(232, 236, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QColor(25, 35, 110));
    p.setFont(sans(40, true));
    p.drawText(QRect(0, 8, size.width(), 50), Qt::AlignCenter,
               QStringLiteral("Documents de référence"));
    p.setFont(sans(24));
    p.setPen(QColor(70, 70, 90));
    p.drawText(QRect(0, 58, size.width(), 30), Qt::AlignCenter,
               QStringLiteral("Bareme_IRG_mensuel_2008.pdf"));

    // The page, tilted as if laid on a desk.
    p.save();
    p.translate(size.width() / 2.0, 330);
    p.rotate(-7);
    const QRectF page(-250, -215, 500, 440);
    p.fillRect(page.translated(10, 10), QColor(150, 155, 185));
    p.fillRect(page, Qt::white);
    p.setPen(QPen(QColor(120, 120, 140), 2));
    p.drawRect(page);

    p.setPen(Qt::black);
    p.setFont(sans(22, true));
    p.drawText(QRectF(page.left(), page.top() + 10, page.width(), 30), Qt::AlignCenter,
               QStringLiteral("Barème mensuel de l'IRG — 2008"));

    const qreal left = page.left() + 30, middle = 10, right = page.right() - 30;
    qreal y = page.top() + 52;
    const qreal row = 29;
    const qreal header = 2 * row;
    p.setFont(sans(18, true));
    p.fillRect(QRectF(left, y, right - left, header), QColor(215, 220, 240));
    p.drawText(QRectF(left, y, middle - left, header), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Revenu imposable mensuel (DA)"));
    p.drawText(QRectF(middle, y, right - middle, header), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("IRG mensuel (DA)"));
    y += header;
    p.setFont(sans(20));
    for (const double amount : {15000.0, 18000.0, 20000.0, 22500.0, 25000.0, 28750.0,
                                30000.0, 35000.0, 50000.0, 120000.0}) {
        p.setPen(QPen(QColor(190, 190, 200), 1));
        p.drawLine(QPointF(left, y + row), QPointF(right, y + row));
        p.setPen(Qt::black);
        p.drawText(QRectF(left, y, middle - left - 20, row), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(amount, 'f', 2));
        p.drawText(QRectF(middle, y, right - middle - 40, row), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(tax::monthlyIrg(amount), 'f', 2));
        y += row;
    }
    p.setPen(QPen(QColor(120, 120, 140), 2));
    p.drawLine(QPointF(middle, page.top() + 52), QPointF(middle, y));
    p.restore();

    handDrawnArrow(p, QPointF(40, 150), QPointF(25, 250), QPointF(150, 252));
    handDrawnArrow(p, QPointF(740, 140), QPointF(760, 240), QPointF(640, 230));
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

QImage picture(const QImage &large)
{
    return large.scaled(kPicture, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// A picture written out as the words of resources/pictures.h.
QByteArray pixelsOf(const QByteArray &name, QImage image)
{
    const bool opaque = !image.hasAlphaChannel();
    image.convertTo(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    QByteArray text = "alignas(16) const unsigned int " + name + "Words[] = {";
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            text += ((x % 8) ? " 0x" : "\n    0x") + QByteArray::number(line[x], 16) + ',';
    }
    text += "\n};\n} // namespace\nconst Pixels " + name + '{'
        + QByteArray::number(image.width()) + ", " + QByteArray::number(image.height()) + ", "
        + (opaque ? "true" : "false") + ", " + name + "Words};\nnamespace {\n";
    return text;
}

// Each file as a viewer decodes it and, for the pictures, the copy a QLabel would scale it to
// for its place on a screen of one device pixel per pixel.
bool writePixels(const QDir &output)
{
    struct Shown
    {
        const char *name;
        const char *file;
        QSize place;
    };
    QByteArray text = "// Made by make_pictures; do not edit.\n#include \"resources/pictures.h\"\n"
                      "namespace pictures {\nnamespace {\n";
    for (const Shown &shown :
         {Shown{"image1", "image1.jpg", QSize(kPlaceWidth, kImage1PlaceHeight)},
          Shown{"image2", "image2.jpg", QSize(kPlaceWidth, kImage2PlaceHeight)},
          Shown{"icon", "irgcalc-48.png", QSize()},
          Shown{"fusionFrameBorder", pictures::kFusionFrameBorderFile, QSize()}}) {
        const QImage image(output.filePath(QLatin1String(shown.file)));
        if (image.isNull()) {
            std::fprintf(stderr, "cannot decode %s\n", shown.file);
            return false;
        }
        text += pixelsOf(shown.name, image);
        if (shown.place.isValid()) {
            const QImage placed = image.convertToFormat(QImage::Format_RGB32)
                                      .scaled(shown.place, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
            text += pixelsOf(shown.name + QByteArray("Placed"), placed);
        }
    }
    const QFileInfo border{QLatin1String(pictures::kFusionFrameBorderFile)};
    text += "} // namespace\nconst long long fusionFrameBorderSize = "
        + QByteArray::number(border.size()) + ";\nconst long long fusionFrameBorderTime = "
        + QByteArray::number(border.lastModified().toSecsSinceEpoch())
        + ";\n} // namespace pictures\n";
    QFile source(output.filePath(QStringLiteral("pictures.cpp")));
    if (source.open(QIODevice::WriteOnly) && source.write(text) == text.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(source.fileName()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // QApplication, for Qt Widgets' own pictures.
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures SOURCE_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    const bool ok = save(picture(referenceTable()), output.filePath(QStringLiteral("image2.jpg")))
        && save(picture(renderSvg(source.filePath(QStringLiteral("image1.svg")), kPicture * kDetail)),
                output.filePath(QStringLiteral("image1.jpg")))
        && save(renderSvg(source.filePath(QStringLiteral("icon.svg")), QSize(48, 48)),
                output.filePath(QStringLiteral("irgcalc-48.png")))
        && writePixels(output);
    return ok ? 0 : 1;
}

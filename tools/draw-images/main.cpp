// Draws the interface's pictures (logo, icons, flags, application icon) into
// the resource tree. Run by hand through scripts/draw-images; the PNGs are kept.
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

namespace {

const QColor blue("#0B96D3");
const QColor orange("#F39200");
const QColor ink("#242424");

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

bool save(const QImage &img, const QString &path)
{
    if (!img.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

// The "V" mark: a rounded square with a white V and three phase ticks.
void drawMark(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawRoundedRect(r, r.width() * 0.18, r.width() * 0.18);
    const qreal s = r.width();
    QPainterPath v;
    v.moveTo(r.left() + s * 0.20, r.top() + s * 0.22);
    v.lineTo(r.left() + s * 0.35, r.top() + s * 0.22);
    v.lineTo(r.left() + s * 0.50, r.top() + s * 0.55);
    v.lineTo(r.left() + s * 0.65, r.top() + s * 0.22);
    v.lineTo(r.left() + s * 0.80, r.top() + s * 0.22);
    v.lineTo(r.left() + s * 0.58, r.top() + s * 0.72);
    v.lineTo(r.left() + s * 0.42, r.top() + s * 0.72);
    v.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(v);
    p.setBrush(orange);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(r.left() + s * (0.30 + i * 0.15), r.top() + s * 0.80, s * 0.10, s * 0.05),
                          s * 0.02, s * 0.02);
}

QImage logo()
{
    QImage img = canvas(1360, 518);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawMark(p, QRectF(40, 59, 400, 400));

    QFont big(QStringLiteral("DejaVu Sans"));
    big.setWeight(QFont::Black);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    // The largest size whose word fits beside the mark.
    for (int size = 230; size > 40; size -= 2) {
        big.setPixelSize(size);
        if (QFontMetrics(big).horizontalAdvance(QStringLiteral("VORDAN")) <= 840)
            break;
    }
    p.setFont(big);
    p.setPen(blue);
    p.drawText(QRectF(480, 40, 880, 300), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VORDAN"));

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(96);
    small.setWeight(QFont::Bold);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 40);
    p.setFont(small);
    p.setPen(orange);
    p.drawText(QRectF(494, 330, 866, 140), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ORVALIS"));
    return img;
}

QPen stroke(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage refresh(const QColor &c)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(stroke(c, 5));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(9, 9, 30, 30);
    p.drawArc(ring, 100 * 16, 290 * 16);
    // Arrow head at the open end of the ring, pointing along the turn.
    const qreal a = qDegreesToRadians(100.0);
    const QPointF tip(24 + 15 * qCos(a), 24 - 15 * qSin(a));
    QPainterPath head;
    head.moveTo(tip + QPointF(9, -1));
    head.lineTo(tip + QPointF(-3, -9));
    head.lineTo(tip + QPointF(-2, 8));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
    return img;
}

QImage apply()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(stroke(QColor("#1E9E3A"), 6));
    p.drawPolyline(QPolygonF({QPointF(9, 25), QPointF(19, 35), QPointF(39, 12)}));
    return img;
}

QImage arrow()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(stroke(ink, 5));
    p.drawLine(QPointF(8, 24), QPointF(38, 24));
    p.drawPolyline(QPolygonF({QPointF(26, 12), QPointF(38, 24), QPointF(26, 36)}));
    return img;
}

QImage calendar()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(stroke(ink, 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 9, 36, 33), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawRect(QRectF(7.5, 10.5, 33, 8));
    p.setPen(stroke(ink, 4));
    p.drawLine(QPointF(15, 5), QPointF(15, 12));
    p.drawLine(QPointF(33, 5), QPointF(33, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(11 + col * 7.5, 22 + row * 6.5, 4, 4));
    return img;
}

QImage cross(const QColor &c)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(stroke(c, 5));
    p.drawLine(QPointF(12, 12), QPointF(36, 36));
    p.drawLine(QPointF(36, 12), QPointF(12, 36));
    return img;
}

QImage triangle()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(6, 14), QPointF(42, 14), QPointF(24, 36)}));
    return img;
}

QImage wiring()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A plug with three wires leaving it.
    p.setPen(stroke(ink, 3));
    p.setBrush(QColor("#d0d0d0"));
    p.drawRoundedRect(QRectF(6, 16, 16, 16), 3, 3);
    p.drawLine(QPointF(2, 20), QPointF(6, 20));
    p.drawLine(QPointF(2, 28), QPointF(6, 28));
    const QColor wires[] = {QColor("#8B4513"), ink, QColor("#808080")};
    for (int i = 0; i < 3; ++i) {
        QPainterPath w;
        const qreal y = 19 + i * 5;
        w.moveTo(22, y);
        w.cubicTo(32, y, 32, 8 + i * 16, 44, 8 + i * 16);
        p.setPen(stroke(wires[i], 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(w);
    }
    return img;
}

QImage flagUs()
{
    QImage img(225, 135, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal stripe = 135.0 / 13;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#B22234"));
    for (int i = 0; i < 13; i += 2)
        p.drawRect(QRectF(0, i * stripe, 225, stripe));
    const QRectF canton(0, 0, 90, 7 * stripe);
    p.setBrush(QColor("#3C3B6E"));
    p.drawRect(canton);
    p.setBrush(Qt::white);
    // Fifty stars as dots: rows of six and five, alternating.
    for (int row = 0; row < 9; ++row) {
        const int count = row % 2 == 0 ? 6 : 5;
        const qreal dx = canton.width() / 6;
        const qreal x0 = row % 2 == 0 ? dx / 2 : dx;
        for (int i = 0; i < count; ++i)
            p.drawEllipse(QPointF(x0 + i * dx, (row + 1) * canton.height() / 10), 2.6, 2.6);
    }
    return img;
}

QImage flagDe()
{
    QImage img(225, 135, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 225, 45), QColor("#000000"));
    p.fillRect(QRect(0, 45, 225, 45), QColor("#DD0000"));
    p.fillRect(QRect(0, 90, 225, 45), QColor("#FFCE00"));
    return img;
}

QImage appIcon(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawMark(p, QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92));
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: orvalis-draw-images QML_DIR\n";
        return 2;
    }
    const QDir root(args.at(1));
    const QString contents = root.filePath(QStringLiteral("images/icons/contents"));
    const QString logoDir = root.filePath(QStringLiteral("images/icons/logo"));
    QDir().mkpath(contents);
    QDir().mkpath(logoDir);
    auto in = [&](const QString &name) { return contents + QLatin1Char('/') + name; };

    bool ok = save(logo(), logoDir + QStringLiteral("/english_logo.png"));
    ok &= save(appIcon(256), in(QStringLiteral("V.PNG")));
    ok &= save(appIcon(64), in(QStringLiteral("V.ico")));
    ok &= save(apply(), in(QStringLiteral("apply.png")));
    ok &= save(arrow(), in(QStringLiteral("arrow.png")));
    ok &= save(calendar(), in(QStringLiteral("calendar.png")));
    ok &= save(cross(Qt::white), in(QStringLiteral("close.png")));
    ok &= save(cross(QColor("#E02020")), in(QStringLiteral("close_err.png")));
    ok &= save(flagDe(), in(QStringLiteral("flag_de.png")));
    ok &= save(flagUs(), in(QStringLiteral("flag_us.png")));
    ok &= save(refresh(ink), in(QStringLiteral("refresh.png")));
    ok &= save(refresh(blue), in(QStringLiteral("refresh_press.png")));
    ok &= save(triangle(), in(QStringLiteral("triangle.png")));
    ok &= save(wiring(), in(QStringLiteral("wiring.png")));
    return ok ? 0 : 1;
}

// Draws the three carousel pictures of the website: water, electricity and gas.
// Run at build time: draw_carousel OUTPUT_DIR. The captions need a CJK font on the build
// machine; the setup script installs one.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize size{640, 260};

QImage background(const QColor &top, const QColor &bottom)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(image.rect(), gradient);
    return image;
}

void caption(QImage &image, const QString &title, const QString &line)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(250, 70, 370, 50), Qt::AlignLeft | Qt::AlignVCenter, title);
    font.setPixelSize(18);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRect(250, 125, 370, 60), Qt::AlignLeft | Qt::TextWordWrap, line);
    painter.drawText(QRect(250, 215, 370, 30), Qt::AlignLeft,
                     u"Tarvo公用事业  服务热线 0813-96677"_s);
}

QImage water()
{
    QImage image = background(QColor(0x3f, 0xa9, 0xe8), QColor(0x0b, 0x4f, 0x8c));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath drop;
    drop.moveTo(125, 40);
    drop.cubicTo(125, 40, 60, 125, 60, 160);
    drop.cubicTo(60, 200, 90, 225, 125, 225);
    drop.cubicTo(160, 225, 190, 200, 190, 160);
    drop.cubicTo(190, 125, 125, 40, 125, 40);
    painter.fillPath(drop, QColor(255, 255, 255, 220));
    painter.setBrush(QColor(0x3f, 0xa9, 0xe8, 160));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(100, 170), 14, 22);
    painter.end();
    caption(image, u"放心用水"_s, u"层层净化，检测达标，日夜送到千家万户。"_s);
    return image;
}

QImage electricity()
{
    QImage image = background(QColor(0x1c, 0x2b, 0x5a), QColor(0x06, 0x0c, 0x24));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF bolt{{140, 30},  {75, 145},  {118, 145}, {95, 235},
                         {180, 105}, {135, 105}, {165, 30}};
    painter.setPen(QPen(QColor(0xff, 0xf3, 0xb0), 3));
    painter.setBrush(QColor(0xff, 0xc8, 0x1e));
    painter.drawPolygon(bolt);
    painter.end();
    caption(image, u"安心用电"_s, u"城市电网持续升级，抢修服务全天候响应。"_s);
    return image;
}

QImage gas()
{
    QImage image = background(QColor(0xf5, 0x8a, 0x2a), QColor(0x9c, 0x2a, 0x0e));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath flame;
    flame.moveTo(125, 30);
    flame.cubicTo(170, 90, 195, 130, 185, 175);
    flame.cubicTo(178, 210, 150, 230, 125, 230);
    flame.cubicTo(95, 230, 65, 205, 65, 170);
    flame.cubicTo(65, 130, 100, 110, 105, 70);
    flame.cubicTo(115, 90, 120, 100, 125, 30);
    painter.fillPath(flame, QColor(0x2f, 0x7d, 0xf6));
    QPainterPath core;
    core.addEllipse(QPointF(125, 190), 25, 35);
    painter.fillPath(core, QColor(0xb8, 0xe0, 0xff));
    painter.end();
    caption(image, u"安全用气"_s, u"用气勤检查，保持通风，用完关阀。"_s);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2)
        return 2;
    const QDir out(arguments[1]);
    // The file names are those the site has always used for its banner.
    const bool written = water().save(out.filePath(u"2015121063404641.jpg"_s), "JPG", 85) &&
                         electricity().save(out.filePath(u"2015121069247801.jpg"_s), "JPG", 85) &&
                         gas().save(out.filePath(u"2015121461354797.jpg"_s), "JPG", 85);
    return written ? 0 : 1;
}

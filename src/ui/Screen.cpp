#include "ui/Screen.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace ui {

namespace {

// Centres a screen each time it is shown, as its variant says.
class Placer : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            placeWindow(static_cast<platform::ui::Form&>(*watched));
        return false;
    }
};

} // namespace

WindowVariant windowVariantFor(const QString& className)
{
    static const QHash<QString, WindowVariant> variants = [] {
        QHash<QString, WindowVariant> v;
        for (const char* n : {"TForm1", "TForm3", "TForm4", "TForm7", "TForm10", "TForm14", "TForm23", "TForm26",
                              "TForm27", "TForm28", "TForm29", "TForm30", "TForm303", "TForm31", "TForm32", "TForm36",
                              "TForm37", "TForm39", "TForm43"})
            v.insert(n, WindowVariant::Designed);
        for (const char* n : {"TForm2", "TForm5", "TForm11", "TForm33", "TForm34", "TForm35", "TForm38", "TForm40",
                              "TForm41", "TForm42", "TForm44", "TForm46", "TForm47", "TForm48", "TForm50", "TForm51",
                              "TForm53", "TForm54", "TForm55", "TForm57", "TForm58", "TForm59", "TForm60", "TForm61",
                              "TForm62", "TForm63", "TForm65", "TForm66"})
            v.insert(n, WindowVariant::CentreDesktop);
        v.insert("TForm45", WindowVariant::CentreMainWindow);
        v.insert("TForm8", WindowVariant::NoSystemMenu);
        v.insert("TForm9", WindowVariant::IconOnly);
        return v;
    }();
    return variants.value(className, WindowVariant::Designed);
}

void setupWindow(platform::ui::Form& form)
{
    setupWindow(form, windowVariantFor(QString::fromLatin1(form.metaObject()->className())));
}

void setupWindow(platform::ui::Form& form, WindowVariant variant)
{
    form.setWindowIcon(appIcon());
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    if (variant != WindowVariant::NoSystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    form.setWindowFlags(flags);
    form.setSizeGripEnabled(false);
    form.setProperty("veltroWindowVariant", int(variant));
    // A single, non-resizable border: the designed size is the size (never smaller than the
    // controls need, so nothing is clipped).
    if (form.layout())
        form.layout()->activate();
    form.setFixedSize(form.size().expandedTo(form.minimumSizeHint()));
    if (!form.findChild<Placer*>(QString(), Qt::FindDirectChildrenOnly))
        form.installEventFilter(new Placer(&form));
}

void placeWindow(platform::ui::Form& form)
{
    const auto variant = WindowVariant(form.property("veltroWindowVariant").toInt());
    QRect area;
    if (variant == WindowVariant::CentreDesktop) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    } else if (QWidget* main = QApplication::activeWindow(); main && main != &form) {
        area = main->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        QRect frame = form.frameGeometry();
        frame.moveCenter(area.center());
        form.move(frame.topLeft());
    }
}

QIcon appIcon()
{
    static const QIcon icon = [] {
        QPixmap pixmap(64, 64);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 64, 64);
        g.setColorAt(0, QColor(40, 90, 160));
        g.setColorAt(1, QColor(20, 45, 90));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        // A paint drop over a steel sheet: painted products from bought metal.
        p.setBrush(QColor(200, 210, 220));
        p.drawRect(QRectF(12, 40, 40, 8));
        QPainterPath drop;
        drop.moveTo(32, 10);
        drop.cubicTo(44, 26, 42, 36, 32, 36);
        drop.cubicTo(22, 36, 20, 26, 32, 10);
        p.setBrush(QColor(230, 120, 40));
        p.drawPath(drop);
        return QIcon(pixmap);
    }();
    return icon;
}

QPixmap backgroundPicture(const QSize& size)
{
    QPixmap pixmap(size.isValid() ? size : QSize(937, 465));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, QColor(214, 226, 240));
    sky.setColorAt(1, QColor(160, 180, 205));
    p.fillRect(pixmap.rect(), sky);
    // A plant on the horizon: halls with saw-tooth roofs and a chimney.
    const int base = pixmap.height() * 3 / 4;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 105, 125));
    const int w = pixmap.width();
    for (int i = 0; i < 5; ++i) {
        const int x = w / 8 + i * w / 10;
        QPolygon hall;
        hall << QPoint(x, base) << QPoint(x, base - 60) << QPoint(x + w / 20, base - 90)
             << QPoint(x + w / 20, base - 60) << QPoint(x + w / 10, base - 90) << QPoint(x + w / 10, base);
        p.drawPolygon(hall);
    }
    p.drawRect(w * 3 / 4, base - 160, 18, 160);
    p.fillRect(QRect(0, base, w, pixmap.height() - base), QColor(70, 80, 95));
    QFont font = p.font();
    font.setPointSize(28);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QRect(0, base + 10, w, pixmap.height() - base - 10), Qt::AlignCenter, QStringLiteral("VELTRO.ERP"));
    return pixmap;
}

} // namespace ui

#include "WindowLook.h"

#include <QPainter>
#include <QPixmap>

namespace look {

QFont WindowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(9);
    return font;
}

namespace {

// A small ledger: a page with a coloured heading band and ruled lines.
QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, size > 16);
    const qreal unit = size / 16.0;
    const QRectF page(1.5 * unit, 1.5 * unit, 13 * unit, 13 * unit);
    painter.setPen(QPen(QColor(40, 70, 120), unit));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.fillRect(QRectF(page.left(), page.top(), page.width(), 3.5 * unit), QColor(50, 110, 190));
    painter.setPen(QPen(QColor(120, 140, 170), unit * 0.8));
    for (int line = 0; line < 3; ++line) {
        const qreal y = page.top() + (6.5 + 2.5 * line) * unit;
        painter.drawLine(QPointF(page.left() + 2 * unit, y), QPointF(page.right() - 2 * unit, y));
    }
    return pixmap;
}

}  // namespace

QIcon WindowIcon()
{
    QIcon icon;
    icon.addPixmap(DrawIcon(16));
    icon.addPixmap(DrawIcon(32));
    return icon;
}

}  // namespace look

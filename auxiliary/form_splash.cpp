#include "auxiliary/form_splash.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "program/program_title.h"

Tform_splash::Tform_splash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("form_splash");
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setFixedSize(400, 240);
    QTimer::singleShot(kShowMilliseconds, this, &QDialog::accept);
}

void Tform_splash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(40, 90, 160));
    sky.setColorAt(1.0, QColor(150, 200, 235));
    painter.fillRect(area, sky);

    // A tamarisk: a trunk and a feathery crown of pink flowers.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 80, 50));
    painter.drawRect(QRectF(320, 150, 12, 70));
    const QPointF blossoms[] = {{326, 120}, {302, 135}, {350, 135}, {315, 100},
                                {340, 105}, {292, 112}, {362, 115}, {326, 85}};
    for (const QPointF& centre : blossoms) {
        painter.setBrush(QColor(230, 140, 190, 200));
        painter.drawEllipse(centre, 24, 18);
    }
    painter.setBrush(QColor(220, 200, 140));
    painter.drawRect(QRectF(0, 215, area.width(), 25));

    painter.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(34);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(24, 40, 280, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(kProgramName));
    QFont version = font();
    version.setPointSize(14);
    painter.setFont(version);
    painter.drawText(QRectF(28, 100, 240, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("version %1").arg(kProgramVersion));
    QFont subtitle = font();
    subtitle.setPointSize(10);
    painter.setFont(subtitle);
    painter.drawText(QRectF(28, 140, 220, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Client de chat pour les salons Babillon"));
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(QRectF(12, 215, area.width() - 24, 25), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Chargement en cours ..."));
    painter.setPen(QColor(20, 40, 80));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

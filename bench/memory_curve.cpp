#include "memory_curve.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <algorithm>

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 450;
constexpr int kLeft = 70;
constexpr int kRight = 20;
constexpr int kTop = 40;
constexpr int kBottom = 50;
constexpr int kTicks = 5;

}  // namespace

bool WriteMemoryCsv(const std::vector<MemorySample>& samples, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QTextStream out(&file);
    out << "seconds,rss_mib,room_paragraphs,room_members,private_windows,private_slots,"
           "debug_lines\n";
    for (const MemorySample& s : samples) {
        out << QString::number(s.seconds, 'f', 1) << ',' << QString::number(s.rss_mib, 'f', 2)
            << ',' << s.room_paragraphs << ',' << s.room_members << ',' << s.private_windows << ','
            << s.private_slots << ',' << s.debug_lines << '\n';
    }
    return out.status() == QTextStream::Ok && file.flush();
}

bool WriteMemoryPlot(const std::vector<MemorySample>& samples, const MemorySlope& slope,
                     const QString& path) {
    if (samples.empty()) return false;
    double top_mib = 0;
    for (const MemorySample& s : samples) top_mib = std::max(top_mib, s.rss_mib);
    top_mib = std::max(1.0, top_mib * 1.1);
    const double end_seconds = std::max(1.0, samples.back().seconds);

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(kLeft, kTop, kWidth - kLeft - kRight, kHeight - kTop - kBottom);
    const auto at = [&](double seconds, double mib) {
        return QPointF(plot.left() + plot.width() * seconds / end_seconds,
                       plot.bottom() - plot.height() * mib / top_mib);
    };

    painter.setPen(QColor(220, 220, 220));
    for (int i = 0; i <= kTicks; ++i) {
        const double mib = top_mib * i / kTicks;
        const double seconds = end_seconds * i / kTicks;
        painter.drawLine(at(0, mib), at(end_seconds, mib));
        painter.drawLine(at(seconds, 0), at(seconds, top_mib));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, at(0, mib).y() - 8, kLeft - 6, 16),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(mib, 'f', 0));
        painter.drawText(QRectF(at(seconds, 0).x() - 30, plot.bottom() + 4, 60, 16),
                         Qt::AlignCenter, QString::number(seconds, 'f', 0));
        painter.setPen(QColor(220, 220, 220));
    }
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    painter.drawText(QRectF(plot.left(), kHeight - 24, plot.width(), 20), Qt::AlignCenter,
                     "secondes");
    painter.save();
    painter.translate(14, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-60, -10, 120, 20), Qt::AlignCenter, "VmRSS (Mio)");
    painter.restore();

    QPolygonF curve;
    for (const MemorySample& s : samples) curve << at(s.seconds, s.rss_mib);
    painter.setPen(QPen(QColor(30, 80, 200), 2));
    painter.drawPolyline(curve);

    QString title = QStringLiteral("Tamaris sous babillon-server --soak : vues jamais pleines");
    if (slope.full_seconds >= 0) {
        painter.setPen(QPen(QColor(200, 120, 0), 1, Qt::DashLine));
        painter.drawLine(at(slope.full_seconds, 0), at(slope.full_seconds, top_mib));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 40, 40));
        for (const MinuteLow& low : slope.lows) painter.drawEllipse(at(low.seconds, low.rss_mib), 3, 3);
        painter.setBrush(Qt::NoBrush);
        title = QStringLiteral("Tamaris sous babillon-server --soak : vues pleines à %1 s, "
                               "minima par minute %2%3 Mio/h sur %4 min")
                    .arg(slope.full_seconds, 0, 'f', 0)
                    .arg(slope.mib_per_hour >= 0 ? "+" : "")
                    .arg(slope.mib_per_hour, 0, 'f', 2)
                    .arg(slope.lows.size());
        if (slope.lows.size() >= 2) {
            const double per_second = slope.mib_per_hour / 3600;
            painter.setPen(QPen(QColor(200, 40, 40), 1));
            painter.drawLine(at(slope.full_seconds, slope.intercept_mib),
                             at(end_seconds, slope.intercept_mib +
                                                 per_second * (end_seconds - slope.full_seconds)));
        }
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 8, kWidth, 24), Qt::AlignCenter, title);
    painter.end();
    return image.save(path, "PNG");
}

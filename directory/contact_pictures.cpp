#include "directory/contact_pictures.h"

#include <QPainter>
#include <QPixmap>

QIcon PrivatePicture() {
    return QIcon(QStringLiteral(":/tamaris/icons/08_prive.svg"));
}

QIcon MailPicture() {
    return QIcon(QStringLiteral(":/tamaris/icons/10_mail.svg"));
}

QIcon ProfilePicture() {
    return QIcon(QStringLiteral(":/tamaris/icons/09_profil.svg"));
}

QIcon IgnorePicture() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(160, 0, 0), 1));
    painter.setBrush(QColor(220, 30, 30));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.fillRect(QRectF(4, 7, 8, 2.5), Qt::white);
    return QIcon(picture);
}

#pragma once

#include <QFile>
#include <QString>

// Writes config.vek into `dir`, pointing the program at babillon-server's identification and
// chat ports on loopback, with `more` (further sections) after them. False when the file
// cannot be written.
inline bool WriteServerConfig(const QString& dir, int http_port, int chat_port,
                              const QString& more = {}) {
    QFile config(dir + "/config.vek");
    if (!config.open(QIODevice::WriteOnly)) return false;
    const QByteArray text = (QString("[Connexion]\r\nAdrID=127.0.0.1\r\nPortID=%1\r\n"
                                     "AdrChat=127.0.0.1\r\nPortChat=%2\r\n")
                                 .arg(http_port)
                                 .arg(chat_port) +
                             more)
                                .toLatin1();
    return config.write(text) == text.size();
}

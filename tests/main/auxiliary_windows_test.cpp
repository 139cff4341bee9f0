#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextBrowser>
#include <QTimer>

#include "auxiliary/form_about.h"
#include "auxiliary/form_browser.h"
#include "auxiliary/form_splash.h"
#include "main/qt_test_app.h"

namespace {

TEST(AuxiliaryWindows, SplashClosesItself) {
    TestApplication();
    Tform_splash splash;
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
}

TEST(AuxiliaryWindows, AboutBoxNamesTheProgramAndClosesWithOk) {
    TestApplication();
    Tform_about about;
    EXPECT_EQ(about.windowTitle(), "A Propos ...");
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Tamaris"));
    EXPECT_TRUE(texts.contains("Version 1.5K"));
    QTimer::singleShot(0, about.btn_ok, &QPushButton::click);
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

// A loopback HTTP server that answers every request with the page of its path and records
// the requests.
class PageServer {
  public:
    PageServer() {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] {
                    buffer_ += socket->readAll();
                    if (!buffer_.contains("\r\n\r\n")) return;
                    const QByteArray request = buffer_;
                    buffer_.clear();
                    requests.push_back(request);
                    const QByteArray path = request.split(' ').value(1);
                    const QByteArray body = Page(path);
                    socket->write(
                        "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                        "Connection: close\r\nContent-Length: " +
                        QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    std::vector<QByteArray> requests;

  private:
    static QByteArray Page(const QByteArray& path) {
        if (path.startsWith("/profil")) {
            return "<html><body><h1>Profil de Zoé</h1><a href=\"/mail\">Écrire</a></body></html>";
        }
        return "<html><body><p>Boîte aux lettres</p></body></html>";
    }
    QTcpServer server_;
    QByteArray buffer_;
};

TEST(AuxiliaryWindows, BrowserSendsTheCookieFollowsLinksAndGoesBack) {
    TestApplication();
    PageServer server;
    Tform_browser::SetCookie("http://127.0.0.1", "IDENTIFIANT=abc123");
    Tform_browser browser;
    int loaded = 0;
    QObject::connect(&browser, &Tform_browser::PageLoaded, [&](bool ok) {
        EXPECT_TRUE(ok);
        ++loaded;
    });

    browser.Navigate(server.Url("/profil?LOGIN=zoe").toStdString());
    ASSERT_TRUE(WaitUntil([&] { return loaded == 1; }));
    EXPECT_TRUE(browser.browser->toPlainText().contains(QStringLiteral("Profil de Zoé")));
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_TRUE(server.requests[0].contains("Cookie: IDENTIFIANT=abc123"))
        << server.requests[0].toStdString();
    EXPECT_FALSE(browser.btn_back->isEnabled());

    emit browser.browser->anchorClicked(QUrl("/mail"));
    ASSERT_TRUE(WaitUntil([&] { return loaded == 2; }));
    EXPECT_EQ(browser.CurrentUrl().path(), "/mail");
    EXPECT_TRUE(browser.browser->toPlainText().contains(QStringLiteral("Boîte aux lettres")));
    EXPECT_TRUE(browser.btn_back->isEnabled());

    QTest::mouseClick(browser.btn_back, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return loaded == 3; }));
    EXPECT_EQ(browser.CurrentUrl().path(), "/profil");
    EXPECT_TRUE(browser.btn_forward->isEnabled());

    QTest::mouseClick(browser.btn_refresh, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return loaded == 4; }));
    EXPECT_EQ(server.requests.size(), 4u);
    EXPECT_EQ(browser.progress->value(), 100);
}

TEST(AuxiliaryWindows, BrowserShowsAFailedPageInFrench) {
    TestApplication();
    Tform_browser browser;
    bool result = true;
    int loaded = 0;
    QObject::connect(&browser, &Tform_browser::PageLoaded, [&](bool ok) {
        result = ok;
        ++loaded;
    });
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    browser.Navigate("http://127.0.0.1:" + std::to_string(port) + "/");
    ASSERT_TRUE(WaitUntil([&] { return loaded == 1; }));
    EXPECT_FALSE(result);
    EXPECT_TRUE(browser.browser->toPlainText().contains("Impossible d'afficher la page"));
}

}  // namespace

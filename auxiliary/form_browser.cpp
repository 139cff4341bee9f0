#include "auxiliary/form_browser.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "widgets/ansi_text.h"

namespace {

QUrl UrlFromText(const QString& text) {
    return QUrl::fromUserInput(text.trimmed());
}

// Pages say their character set in Content-Type; the service's pages without one are in
// Windows-1252 unless they are valid UTF-8.
QString DecodePage(const QByteArray& body, const QString& content_type) {
    const QString type = content_type.toLower();
    if (type.contains(QStringLiteral("charset=utf-8"))) return QString::fromUtf8(body);
    if (type.contains(QStringLiteral("charset="))) {
        return FromAnsi(std::string(body.constData(), body.size()));
    }
    const QString utf8 = QString::fromUtf8(body);
    if (!utf8.contains(QChar::ReplacementCharacter)) return utf8;
    return FromAnsi(std::string(body.constData(), body.size()));
}

// Pages come from the network: they may name local files (<img src="/home/...">, file:,
// qrc:) that the stock browser would read. Nothing outside the page itself is loaded.
class PageView : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

bool IsWebAddress(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

QMdiSubWindow* SubWindowOf(QWidget* widget) {
    for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parent)) return sub;
    }
    return nullptr;
}

}  // namespace

Tform_browser::Tform_browser(QWidget* parent)
    : QWidget(parent),
      btn_back(new QPushButton(QStringLiteral("Précédent"), this)),
      btn_forward(new QPushButton(QStringLiteral("Suivant"), this)),
      btn_refresh(new QPushButton(QStringLiteral("Actualiser"), this)),
      btn_close(new QPushButton(QStringLiteral("Fermer"), this)),
      text_adresse(new QLineEdit(this)),
      progress(new QProgressBar(this)),
      browser(new PageView(this)) {
    setObjectName("form_browser");
    btn_back->setObjectName("btn_back");
    btn_forward->setObjectName("btn_forward");
    btn_refresh->setObjectName("btn_refresh");
    btn_close->setObjectName("btn_close");
    text_adresse->setObjectName("text_adresse");
    progress->setObjectName("progress");
    browser->setObjectName("browser");
    browser->setOpenLinks(false);
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setMaximumWidth(160);
    btn_back->setEnabled(false);
    btn_forward->setEnabled(false);

    auto* bar = new QHBoxLayout;
    for (QPushButton* button : {btn_back, btn_forward, btn_refresh}) bar->addWidget(button);
    bar->addWidget(text_adresse, 1);
    bar->addWidget(progress);
    bar->addWidget(btn_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(bar);
    layout->addWidget(browser, 1);

    connect(btn_back, &QPushButton::clicked, this, &Tform_browser::Back);
    connect(btn_forward, &QPushButton::clicked, this, &Tform_browser::Forward);
    connect(btn_refresh, &QPushButton::clicked, this, &Tform_browser::Refresh);
    connect(btn_close, &QPushButton::clicked, this, [this] {
        if (QMdiSubWindow* sub = SubWindowOf(this)) {
            sub->close();
        } else {
            close();
        }
    });
    connect(text_adresse, &QLineEdit::returnPressed, this,
            [this] { Navigate(ToAnsi(text_adresse->text())); });
    connect(browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { Navigate(ToAnsi(current_.resolved(link).toString())); });
}

void Tform_browser::RefuseClose() {
    refuse_close_ = true;
    btn_close->hide();
}

void Tform_browser::closeEvent(QCloseEvent* event) {
    if (refuse_close_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

Tform_browser::~Tform_browser() {
    if (reply_ != nullptr) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
}

QNetworkAccessManager& Tform_browser::Network() {
    static QNetworkAccessManager* network = new QNetworkAccessManager(QCoreApplication::instance());
    return *network;
}

void Tform_browser::SetCookie(const std::string& url, const std::string& data) {
    const QList<QNetworkCookie> cookies =
        QNetworkCookie::parseCookies(QByteArray::fromStdString(data));
    Network().cookieJar()->setCookiesFromUrl(cookies, UrlFromText(FromAnsi(url)));
}

void Tform_browser::Navigate(const std::string& url) {
    const QUrl target = UrlFromText(FromAnsi(url));
    if (!target.isValid()) return;
    if (!IsWebAddress(target)) {
        browser->setHtml(QStringLiteral("<h3>Adresse refusée</h3><p>%1</p>")
                             .arg(target.toString().toHtmlEscaped()));
        return;
    }
    if (!current_.isEmpty()) back_.push_back(current_);
    forward_.clear();
    Load(target);
}

void Tform_browser::Back() {
    if (back_.isEmpty()) return;
    forward_.push_back(current_);
    Load(back_.takeLast());
}

void Tform_browser::Forward() {
    if (forward_.isEmpty()) return;
    back_.push_back(current_);
    Load(forward_.takeLast());
}

void Tform_browser::Refresh() {
    if (!current_.isEmpty()) Load(current_);
}

void Tform_browser::Load(const QUrl& url) {
    if (reply_ != nullptr) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    current_ = url;
    text_adresse->setText(url.toString());
    btn_back->setEnabled(!back_.isEmpty());
    btn_forward->setEnabled(!forward_.isEmpty());
    progress->setValue(0);
    reply_ = Network().get(QNetworkRequest(url));
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 done, qint64 total) {
        progress->setValue(total > 0 ? static_cast<int>(done * 100 / total) : 50);
    });
    QNetworkReply* reply = reply_;
    connect(reply_, &QNetworkReply::finished, this, [this, reply] { Finished(reply); });
}

void Tform_browser::Finished(QNetworkReply* reply) {
    reply_ = nullptr;
    reply->deleteLater();
    progress->setValue(100);
    const bool ok = reply->error() == QNetworkReply::NoError;
    if (ok) {
        const QString type = reply->header(QNetworkRequest::ContentTypeHeader).toString();
        browser->setHtml(DecodePage(reply->readAll(), type));
    } else {
        browser->setHtml(
            QStringLiteral("<h3>Impossible d'afficher la page</h3><p>%1</p><p>%2</p>")
                .arg(current_.toString().toHtmlEscaped(), reply->errorString().toHtmlEscaped()));
    }
    emit PageLoaded(ok);
}

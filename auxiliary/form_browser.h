#pragma once

#include <QUrl>
#include <QWidget>
#include <string>

class QCloseEvent;
class QLineEdit;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QPushButton;
class QTextBrowser;

// A small browser child window for the news, profile and mail pages: simple HTML fetched
// over HTTP, with back, forward and refresh. All browser windows share one network
// manager, so a cookie set once is sent by every page.
class Tform_browser : public QWidget {
    Q_OBJECT
  public:
    explicit Tform_browser(QWidget* parent = nullptr);
    ~Tform_browser() override;

    void Navigate(const std::string& url);
    void Back();
    void Forward();
    void Refresh();
    const QUrl& CurrentUrl() const { return current_; }
    // The news page holds a fixed tab position: the user cannot close it, and it has no
    // close button.
    void RefuseClose();

    // Stores a cookie ("NAME=value") for the host of url, as the system's cookie store does
    // for InternetSetCookieA.
    static void SetCookie(const std::string& url, const std::string& data);
    static QNetworkAccessManager& Network();

    QPushButton* btn_back;
    QPushButton* btn_forward;
    QPushButton* btn_refresh;
    QPushButton* btn_close;
    QLineEdit* text_adresse;
    QProgressBar* progress;
    QTextBrowser* browser;

  signals:
    void PageLoaded(bool ok);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Load(const QUrl& url);
    void Finished(QNetworkReply* reply);

    QUrl current_;
    QList<QUrl> back_;
    QList<QUrl> forward_;
    QNetworkReply* reply_ = nullptr;
    bool refuse_close_ = false;
};

#include <QAction>
#include <QMenu>
#include <QMessageBox>

#include "directory/form_amis.h"
#include "directory/form_debug.h"
#include "main/dispatcher.h"
#include "main/form_main.h"
#include "main/window_registry.h"
#include "widgets/ansi_text.h"

namespace {
constexpr std::uint8_t kCategoryWarning = 2;
constexpr std::uint8_t kCategoryError = 5;
constexpr std::uint8_t kChatState = 5;
}  // namespace

void Tform_main::WireSession() {
    Babillon.OnConnect = [this] { BabillonConnect(); };
    Babillon.OnConnected = [this] { BabillonConnected(); };
    Babillon.OnDisconnected = [this] { BabillonDisconnected(); };
    Babillon.OnError = [this](std::uint8_t code, std::uint8_t state) {
        BabillonError(code, state);
    };
    Babillon.OnChatWarning = [this](const std::string& text) { BabillonChatWarning(text); };
    Babillon.OnDebug = [this](const std::string& text, std::uint8_t category) {
        BabillonDebug(text, category);
    };
    Babillon.OnChatCommande = [this](const std::string& code,
                                     const std::vector<std::string>& params) {
        dispatcher_->BabillonChatCommande(code, params);
    };
}

void Tform_main::BabillonConnect() {
    if (Tform_debug* form_debug = registry_->DebugWindow()) form_debug->SetSendEnabled(false);
}

void Tform_main::BabillonConnected() {
    SM_Connexion->setText("Dé&connexion");
    Menu_Prives->setEnabled(true);
    Tform_debug* form_debug = registry_->DebugWindow();
    Tform_amis* form_amis = registry_->FriendsWindow();
    if (form_debug && Babillon.VekState == kChatState) {
        form_debug->SetSendEnabled(true);
    } else if (form_amis && Babillon.VekState == kChatState) {
        form_amis->SetStatusInput(Babillon.Status);
    }
}

void Tform_main::BabillonDisconnected() {
    SM_Connexion->setText("&Connexion");
    Menu_Prives->setEnabled(false);
    if (Tform_debug* form_debug = registry_->DebugWindow()) form_debug->SetSendEnabled(false);
}

void Tform_main::BabillonError(std::uint8_t error_code, std::uint8_t) {
    SM_Connexion->setText("&Connexion");
    const std::string text = TBabillon::ErrorText(error_code);
    Babillon.Debug(text, kCategoryError);
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), FromAnsi(text), QMessageBox::Ok, this);
    box->setObjectName("ErrorMessage");
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Tform_main::BabillonDebug(const std::string& text, std::uint8_t category) {
    if (Tform_debug* form_debug = registry_->DebugWindow()) form_debug->Append(text, category);
}

void Tform_main::BabillonChatWarning(const std::string& text) {
    Babillon.Debug(text, kCategoryWarning);
    if (!chat_warning_) {
        chat_warning_ = new QMessageBox(QMessageBox::Warning, windowTitle(), QString(),
                                        QMessageBox::Ok, this);
        chat_warning_->setObjectName("ChatWarning");
        chat_warning_->setTextFormat(Qt::PlainText);
        chat_warning_->setAttribute(Qt::WA_DeleteOnClose);
    }
    chat_warning_->setText(FromAnsi(text));
    chat_warning_->open();
}

#include "main/form_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include "auxiliary/form_splash.h"
#include "config/form_connex.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "main/dispatcher.h"
#include "main/private_modes.h"
#include "main/tab_images.h"
#include "main/window_registry.h"
#include "program/program_state.h"
#include "program/program_title.h"
#include "store/macro_store.h"
#include "store/settings_store.h"
#include "widgets/ansi_text.h"
#include "widgets/mdi_tab.h"

namespace {

constexpr int kTabPanelMargin = (Tform_main::kTabPanelHeight - MDITab::kRowPitch) / 2;
constexpr std::array<int, Tform_main::kStatusPanelCount> kStatusPanelWidths = {150, 55,  50,
                                                                               110, 150, 50};
constexpr std::array<const char*, Tform_main::kStatusPanelCount> kStatusPanelTexts = {
    "Alias : ", "Age :", "Sexe : ", "Ville :", "Status :", "Salon :"};

}  // namespace

Tform_main::Tform_main(ProgramState& state, MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      context_{Babillon, state, *this},
      dispatcher_(std::make_unique<Dispatcher>(context_)) {
    setObjectName("form_main");
    setWindowTitle(kProgramTitle);
    state_.Busy = false;
    std::unique_ptr<Tform_splash> splash;
    if (options.show_splash) {
        splash = std::make_unique<Tform_splash>();
        splash->exec();
    }
    BuildTabPanel();
    BuildStatusBar();
    modes_ = std::make_unique<PrivateModes>(context_, this);
    registry_ = std::make_unique<WindowRegistry>(
        context_, *mdi_, *mdi_tab_,
        [this](QMdiSubWindow* window, int icon) { return AddTabWindow(window, icon); },
        BuildMenus());
    state_.Config.RepPerso.clear();
    state_.Config.PrivateMode = 0;
    state_.Config = LoadConfig();
    state_.Macros = LoadMacros(MacrosPath());
    mdi_->setBackground(QBrush(BackgroundImage(FromAnsi(state_.Config.Image))));
    WireSession();
    modes_->RestartIdleWatch();
    qApp->installEventFilter(this);
    resize(900, 650);
}

Tform_main::~Tform_main() {
    qApp->removeEventFilter(this);
    // The children reach the session and the state through the context: they go first.
    // Their closing moves the tab strip, whose handlers still ask the registry.
    registry_->CloseAllWindows();
    registry_->CloseConnexWindow();
    registry_.reset();
    Babillon.OnConnect = nullptr;
    Babillon.OnConnected = nullptr;
    Babillon.OnDisconnected = nullptr;
    Babillon.OnError = nullptr;
    Babillon.OnDebug = nullptr;
    Babillon.OnChatCommande = nullptr;
}

void Tform_main::BuildTabPanel() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel_MDITab = new QWidget(central);
    Panel_MDITab->setObjectName("Panel_MDITab");
    Panel_MDITab->setFixedHeight(kTabPanelHeight);
    auto* panel_layout = new QVBoxLayout(Panel_MDITab);
    panel_layout->setContentsMargins(kTabPanelMargin, kTabPanelMargin, kTabPanelMargin, 0);
    mdi_tab_ = new MDITab(Panel_MDITab);
    mdi_tab_->SetImages(TabImages());
    mdi_tab_->OnDrawTab = [this](QPainter& painter, int index, const QRect& rect) {
        MDITabDrawTab(painter, index, rect);
    };
    panel_layout->addWidget(mdi_tab_);
    connect(mdi_tab_, &MDITab::Change, this, &Tform_main::MDITabChange);
    connect(mdi_tab_, &MDITab::Resized, this, &Tform_main::MDITabResize);

    mdi_ = new QMdiArea(central);
    mdi_->setObjectName("ClientArea");
    connect(mdi_, &QMdiArea::subWindowActivated, this, &Tform_main::SubWindowActivated);
    mdi_->viewport()->installEventFilter(this);

    layout->addWidget(Panel_MDITab);
    layout->addWidget(mdi_, 1);
    setCentralWidget(central);
}

void Tform_main::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar");
    for (int i = 0; i < kStatusPanelCount; ++i) {
        auto* panel = new QLabel(QString::fromUtf8(kStatusPanelTexts[i]), bar);
        panel->setObjectName(QString("StatusPanel%1").arg(i));
        // Panels show the room name and the status as the server gives them.
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // A panel grows past its width rather than cut its text; the last one takes what is
        // left, so that a long room name stays readable.
        panel->setMinimumWidth(kStatusPanelWidths[i]);
        const bool last = i == kStatusPanelCount - 1;
        bar->addWidget(panel, last ? 1 : 0);
        status_panels_[i] = panel;
    }
}

void Tform_main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!debug_created_on_show_) {
        debug_created_on_show_ = true;
        CreateDebugWindow();
    }
}

void Tform_main::closeEvent(QCloseEvent* event) {
    registry_->CloseAllWindows();
    registry_->CloseConnexWindow();
    event->accept();
}

void Tform_main::SetStatusPanel(int panel, const std::string& text) {
    if (panel < 0 || panel >= kStatusPanelCount) return;
    status_panels_[panel]->setText(FromAnsi(text));
    // A tooltip that looks like HTML is shown as HTML: this one is always given as such.
    status_panels_[panel]->setToolTip(Qt::convertFromPlainText(FromAnsi(text)));
}

void Tform_main::SetAutoBusyMinute(int milliseconds) {
    modes_->SetAutoBusyMinute(milliseconds);
}

QString Tform_main::StatusPanelText(int panel) const {
    if (panel < 0 || panel >= kStatusPanelCount) return {};
    return status_panels_[panel]->text();
}

bool Tform_main::eventFilter(QObject* watched, QEvent* event) {
    // A child closed for good leaves the MDI area at once and is destroyed later; its tab
    // goes at once too, so that the tabs behind it are where they belong meanwhile.
    if (event->type() == QEvent::ChildRemoved && watched == mdi_->viewport()) {
        mdi_tab_->RemoveTab(mdi_tab_->IndexOf(static_cast<QChildEvent*>(event)->child()));
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key >= Qt::Key_F1 && key <= Qt::Key_F9 && ApplicationEventsShortCut(key)) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Tform_main::ApplicationEventsShortCut(int key) {
    const int tab = SelectedTab();
    if (tab < 6) return false;
    QLineEdit* input = nullptr;
    if (tab == 6) {
        if (Tform_salon* room = registry_->RoomWindow()) input = room->text_envoi;
    } else if (QMdiSubWindow* active = mdi_->activeSubWindow()) {
        if (auto* prive = qobject_cast<Tform_prive*>(active->widget())) input = prive->text_envoi;
    }
    if (input) {
        const std::size_t phrase = static_cast<std::size_t>(key - Qt::Key_F1);
        input->setText(FromAnsi(state_.Config.EasyPhrases[phrase]));
        input->setFocus();
    }
    return true;
}

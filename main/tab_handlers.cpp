#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTextBrowser>

#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "directory/form_debug.h"
#include "directory/form_infos.h"
#include "directory/form_salons.h"
#include "main/form_main.h"
#include "main/window_registry.h"
#include "program/program_state.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_list_box.h"
#include "widgets/babi_rich_view.h"
#include "widgets/mdi_tab.h"

namespace {

// 0x4FD8F0 as the system stores colours: red in the low byte.
const QColor kHighlightFill(0xF0, 0xD8, 0x4F);
const QColor kHighlightShadow(0x80, 0x68, 0x10);

}  // namespace

QWidget* Tform_main::TabForm(int index) const {
    auto* window = qobject_cast<QMdiSubWindow*>(mdi_tab_->Window(index));
    return window ? window->widget() : nullptr;
}

int Tform_main::AddTabWindow(QMdiSubWindow* window, int icon) {
    mdi_tab_->AddTab(window, icon, window->windowTitle());
    connect(window, &QWidget::windowTitleChanged, mdi_tab_, [this, window](const QString& title) {
        mdi_tab_->SetCaption(mdi_tab_->IndexOf(window), title);
    });
    const int selected = mdi_tab_->TabIndex();
    if (mdi_tab_->RowCount() > state_.TabRowCount) {
        ++state_.TabRowCount;
        Panel_MDITab->setFixedHeight(Panel_MDITab->height() + kAddTabRowGrowth);
    }
    return selected;
}

int Tform_main::SelectedTab() const {
    return mdi_tab_->TabIndex();
}

void Tform_main::RepaintTabs() {
    mdi_tab_->update();
}

void Tform_main::SetRoomTabCaption(const std::string& caption) {
    mdi_tab_->SetCaption(6, FromAnsi(caption));
}

bool Tform_main::IsTabHighlighted(int index) const {
    QWidget* form = TabForm(index);
    if (!form) return false;
    Tform_infos* form_infos = registry_->InfoWindow();
    Tform_amis* form_amis = registry_->FriendsWindow();
    Tform_salon* form_salon = registry_->RoomWindow();
    if (index == 4 && form == form_infos) return form_infos->HasNewText();
    if (index == 5 && form == form_amis) return form_amis->HasNewText();
    if (index == 6 && form == form_salon) return form_salon->HasNewText();
    if (index >= kFirstPrivateTab) {
        if (auto* prive = qobject_cast<Tform_prive*>(form)) return prive->HasNewText();
    }
    return false;
}

void Tform_main::MDITabDrawTab(QPainter& painter, int index, const QRect& rect) {
    if (!IsTabHighlighted(index)) {
        mdi_tab_->DrawTabContent(painter, index, rect, palette().color(QPalette::ButtonText));
        return;
    }
    painter.fillRect(rect, kHighlightFill);
    // White on the light fill needs a shadow to stay readable.
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    mdi_tab_->DrawTabIcon(painter, index, rect);
    mdi_tab_->DrawTabCaption(painter, index, rect.translated(1, 1), kHighlightShadow);
    mdi_tab_->DrawTabCaption(painter, index, rect, Qt::white);
}

void Tform_main::MDITabResize() {
    const int rows = mdi_tab_->RowCount();
    if (rows > state_.TabRowCount) {
        ++state_.TabRowCount;
        Panel_MDITab->setFixedHeight(Panel_MDITab->height() + kResizeRowGrowth);
    } else if (rows < state_.TabRowCount) {
        --state_.TabRowCount;
        Panel_MDITab->setFixedHeight(
            std::max(kTabPanelHeight, Panel_MDITab->height() - kResizeRowGrowth));
    }
}

void Tform_main::SubWindowActivated(QMdiSubWindow* window) {
    const int index = mdi_tab_->IndexOf(window);
    if (index >= 0) mdi_tab_->SetTabIndex(index);
}

void Tform_main::MDITabChange(int index) {
    if (auto* window = qobject_cast<QMdiSubWindow*>(mdi_tab_->Window(index))) {
        if (window->isMinimized()) window->showNormal();
        if (mdi_->activeSubWindow() != window) mdi_->setActiveSubWindow(window);
    }
    QWidget* form = TabForm(index);
    if (!form) return;
    const WindowRegistry& windows = *registry_;
    Tform_debug* form_debug = windows.DebugWindow();
    Tform_salons* form_salons = windows.RoomListWindow();
    Tform_connectes* form_connectes = windows.SearchWindow();
    Tform_infos* form_infos = windows.InfoWindow();
    Tform_amis* form_amis = windows.FriendsWindow();
    Tform_salon* form_salon = windows.RoomWindow();
    if (index == 0 && form == form_debug) {
        if (form_debug->text_debug->isEnabled()) {
            form_debug->list_debug->setFocus();
            form_debug->text_debug->setFocus();
        }
    } else if (index == 2 && form == form_salons) {
        form_salons->list_dessalons->setFocus();
        form_salons->text_salon->setFocus();
    } else if (index == 3 && form == form_connectes) {
        form_connectes->list_rech->setFocus();
        form_connectes->combo_rech_type->setFocus();
    } else if (index == 4 && form == form_infos) {
        form_infos->SetNewText(false);
        RepaintTabs();
    } else if (index == 5 && form == form_amis) {
        form_amis->SetNewText(false);
        form_amis->list_amis->setFocus();
        form_amis->text_etat->setFocus();
        RepaintTabs();
    } else if (index == 6 && form == form_salon) {
        form_salon->SetNewText(false);
        form_salon->rich_salon->setFocus();
        form_salon->text_envoi->setFocus();
        RepaintTabs();
    } else if (index >= kFirstPrivateTab) {
        if (auto* prive = qobject_cast<Tform_prive*>(form)) {
            prive->SetNewText(false);
            prive->rich_prive->setFocus();
            prive->text_envoi->setFocus();
            RepaintTabs();
        }
    }
}

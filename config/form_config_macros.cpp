#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/dialog_rules.h"
#include "config/form_config.h"
#include "config/sorted_list.h"
#include "conversation/macros.h"
#include "program/program_state.h"
#include "store/macro_store.h"
#include "widgets/ansi_text.h"

namespace {

constexpr const char* kAddTitle = "Ajout d'une nouvelle macro";

}  // namespace

QWidget* Tform_config::BuildMacrosPage() {
    auto* page = new QWidget;

    auto* macros = new QGroupBox(" Macros locales ", page);
    list_macro = new QListWidget(macros);
    list_macro->setObjectName("list_macro");
    btn_ajout_macro = new QPushButton("Ajouter ...", macros);
    btn_ajout_macro->setObjectName("btn_ajout_macro");
    btn_suppr_macro = new QPushButton("Supprimer", macros);
    btn_suppr_macro->setObjectName("btn_suppr_macro");
    auto* macro_buttons = new QVBoxLayout;
    macro_buttons->addWidget(btn_ajout_macro);
    macro_buttons->addWidget(btn_suppr_macro);
    macro_buttons->addStretch();
    auto* macro_layout = new QHBoxLayout(macros);
    macro_layout->addWidget(list_macro, 1);
    macro_layout->addLayout(macro_buttons);

    auto* value = new QGroupBox(" Retourne la valeur : ", page);
    memo_macro = new QPlainTextEdit(value);
    memo_macro->setObjectName("memo_macro");
    memo_macro->setReadOnly(true);
    memo_macro->setFixedHeight(memo_macro->fontMetrics().lineSpacing() * 4 + 12);
    auto* value_layout = new QVBoxLayout(value);
    value_layout->addWidget(memo_macro);

    btn_help_macro = new QPushButton("Comment marchent les macros ?", page);
    btn_help_macro->setObjectName("btn_help_macro");
    auto* help_row = new QHBoxLayout;
    help_row->addStretch();
    help_row->addWidget(btn_help_macro);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(macros, 1);
    layout->addWidget(value);
    layout->addLayout(help_row);
    return page;
}

void Tform_config::FillMacroList() {
    list_macro->clear();
    memo_macro->clear();
    QStringList names = {"date", "time", "version"};
    for (const auto& macro : state_.Macros) {
        const QString name = FromAnsi(macro.first);
        // A name written twice in the file by hand is listed once: calls take its first text.
        if (!names.contains(name)) names << name;
    }
    for (const QString& name : names) InsertSorted(list_macro, name, name);
}

void Tform_config::list_macroClick() {
    const QListWidgetItem* item = list_macro->currentItem();
    memo_macro->setPlainText(item ? FromAnsi(ExpandMacro(state_.Macros, ToAnsi(item->text())))
                                  : QString());
}

void Tform_config::btn_ajout_macroClick() {
    bool ok = false;
    const std::string name = MacroNameToAdd(ToAnsi(QInputDialog::getText(
        this, kAddTitle, "Nom de la macro (sans éspaces)", QLineEdit::Normal, {}, &ok)));
    if (!ok || name.empty()) return;
    const QString text = QInputDialog::getText(this, kAddTitle, "Texte renvoyé par cette commande",
                                               QLineEdit::Normal, {}, &ok)
                             .trimmed();
    if (!ok || text.isEmpty()) return;
    std::string error;
    if (!AddMacro(MacrosPath(), name, ToAnsi(text), &error)) {
        ShowBox(QMessageBox::Warning, FromAnsi(error));
    }
    state_.Macros = LoadMacros(MacrosPath());
    FillMacroList();
}

void Tform_config::btn_suppr_macroClick() {
    const QListWidgetItem* item = list_macro->currentItem();
    if (!item) return;
    std::string error;
    if (!DeleteMacro(MacrosPath(), ToAnsi(item->text()), &error)) {
        ShowBox(QMessageBox::Warning, FromAnsi(error));
        return;
    }
    state_.Macros = LoadMacros(MacrosPath());
    FillMacroList();
}

void Tform_config::btn_help_macroClick() {
    ShowBox(QMessageBox::Information,
            "Les macros ne marchent qu'en privé. Les macros locales renvoient la valeur "
            "définie par la macro dans Tamaris, alors que les macros distantes renvoient la "
            "valeur correspondante définie dans le Tamaris de la personne avec qui vous "
            "dialoguez.Il se peut donc que des macros définies chez vous ne marchent pas si "
            "elles ne sont pas définies sur l'ordinateur distant.\r\n\r\n"
            "Les Macros locales sont éxécutees en précédant le nom de la macro "
            "par le caractère point d'éxclamation \"!\". Les Macros distantes, quant à "
            "elles, sont éxécutées en précédant le nom de la macro par le "
            "caractère dièze \"#\".");
}

#include "main/tab_images.h"

#include <QIcon>
#include <QString>
#include <array>

// The images live in the UI library, which is linked statically; Q_INIT_RESOURCE must be
// used outside any namespace.
static void LoadResources() {
    Q_INIT_RESOURCE(tamaris_images);
}

namespace {
constexpr int kIconSize = 20;
}  // namespace

std::vector<QPixmap> TabImages() {
    LoadResources();
    static const std::array<const char*, 11> kNames = {
        "00_connexion", "01_news",  "02_debug", "03_salons", "04_recherche", "05_infos",
        "06_amis",      "07_salon", "08_prive", "09_profil", "10_mail"};
    std::vector<QPixmap> images;
    images.reserve(kNames.size());
    for (const char* name : kNames) {
        const QIcon icon(QString(":/tamaris/icons/%1.svg").arg(name));
        images.push_back(icon.pixmap(kIconSize, kIconSize));
    }
    return images;
}

QPixmap BackgroundImage(const QString& image_file) {
    if (!image_file.isEmpty()) {
        QPixmap chosen(image_file);
        if (!chosen.isNull()) return chosen;
    }
    LoadResources();
    return QPixmap(":/tamaris/fond.svg");
}

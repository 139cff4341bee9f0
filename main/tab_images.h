#pragma once

#include <QPixmap>
#include <vector>

// The tab strip's image list: 0 connexion, 1 news, 2 debug, 3 room list, 4 search, 5 infos,
// 6 friends, 7 room, 8 private, 9 profile, 10 mail.
std::vector<QPixmap> TabImages();

// The picture tiled over the MDI client area: the file of the Image setting when it holds a
// picture, else Image_Fond.
QPixmap BackgroundImage(const QString& image_file);

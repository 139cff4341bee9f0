#pragma once

#include <QPixmap>
#include <vector>

// The tab strip's image list: 0 connexion, 1 news, 2 debug, 3 room list, 4 search, 5 infos,
// 6 friends, 7 room, 8 private, 9 profile, 10 mail.
std::vector<QPixmap> TabImages();

// Image_Fond, the bitmap tiled over the MDI client area.
QPixmap BackgroundImage();

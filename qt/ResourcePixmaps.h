#pragma once
// The image resources (resources/images), embedded in the program under :/images/.
#include <QIcon>
#include <QPixmap>

// The image with this resource id; a null pixmap or icon for an unknown id.
QPixmap LoadResourcePixmap(int imageId);
// The application icon in every size drawn for it; other images as they are.
QIcon LoadResourceIcon(int imageId);

// The pictures built into the display library.
#pragma once

#include <QIcon>
#include <QString>

namespace tallyman::gui {

// Makes the built-in pictures (":/icons/...") available; call once after the application
// object exists. A static library's resources are not registered by themselves.
void initResources();

// A built-in PNG picture (":/icons/name.png", with its "name@2x.png" when there is one) as an
// icon, read by the PNG reader inside Qt: no image-format plugin is loaded for it.
QIcon builtInIcon(const QString& path);

} // namespace tallyman::gui

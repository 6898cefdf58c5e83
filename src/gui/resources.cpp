// Registers the pictures of icons.qrc.
#include "gui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initIcons() { Q_INIT_RESOURCE(icons); }

namespace tallyman::gui {

void initResources() { initIcons(); }

} // namespace tallyman::gui

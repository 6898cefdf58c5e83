// Registers the pictures of icons.qrc and reads them.
#include "gui/resources.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initIcons() { Q_INIT_RESOURCE(icons); }

namespace tallyman::gui {

namespace {

// With the format named and guessing off, the reader goes straight to Qt's own PNG reader;
// otherwise it first loads every image-format plugin installed to ask whether it reads PNG.
QPixmap readPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

void initResources() { initIcons(); }

QIcon builtInIcon(const QString& path)
{
    QIcon icon;
    icon.addPixmap(readPng(path));
    const QString doubleSize = QString(path).insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    if (QFile::exists(doubleSize))
        icon.addPixmap(readPng(doubleSize));
    return icon;
}

} // namespace tallyman::gui

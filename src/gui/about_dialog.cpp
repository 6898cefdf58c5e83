// Layout of the about box.
#include "gui/about_dialog.h"

#include "gui/qt_text.h"
#include "gui/resources.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

AboutDialog::AboutDialog(const AboutInfo& info, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAboutSpcl"));
    setWindowTitle(QStringLiteral("About ") + qt(info.product));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel;
    picture->setPixmap(builtInIcon(QStringLiteral(":/icons/tallyman.png")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    top->addWidget(picture);

    auto* texts = new QVBoxLayout;
    auto* product = new QLabel(qt(info.product));
    QFont title = product->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    product->setFont(title);
    texts->addWidget(product);
    texts->addWidget(new QLabel(qt(info.maker)));
    texts->addWidget(new QLabel(qt(info.version)));
    texts->addStretch(1);
    top->addLayout(texts, 1);
    top->addSpacing(24);
    layout->addLayout(top);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    m_ok = new QPushButton(QStringLiteral("OK"));
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    commands->addWidget(m_ok);
    layout->addLayout(commands);
}

} // namespace tallyman::gui

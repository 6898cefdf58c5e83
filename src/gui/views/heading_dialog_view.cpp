// Four single-line boxes under their captions, OK and Cancel.
#include "gui/views/heading_dialog_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/heading_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

HeadingDialogView::HeadingDialogView(HeadingDialog& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogHeader"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < m.txtHeader.size(); ++i)
        form->addRow(
            caption(m.lbHeader[i]), named(textBox(m.txtHeader[i], 32), "txtHeader", static_cast<int>(i)));
    layout->addLayout(form);
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    auto* ok = named(commandButton(m.OKButton), "OKButton");
    ok->setDefault(true);
    commands->addWidget(ok);
    commands->addWidget(named(commandButton(m.CancelButton), "CancelButton"));
    layout->addLayout(commands);
    bind(this, m);
}

} // namespace tallyman::gui

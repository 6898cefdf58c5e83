// Layout of the Save User dialog: the two lines of text, the name box, the three commands.
#include "gui/views/save_user_view.h"

#include "gui/bindings.h"
#include "gui/view_widgets.h"
#include "screens/user_commands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

SaveUserView::SaveUserView(SaveUserDialog& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSaveUser"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption(m.Label1));
    layout->addWidget(caption(m.Label2));
    layout->addWidget(named(textBox(m.txtSaveUser, 28), "txtSaveUser"));

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    auto* save = named(commandButton(m.cmdSaveUser), "cmdSaveUser");
    save->setDefault(true);
    commands->addWidget(save);
    commands->addWidget(named(commandButton(m.cmdEnd), "cmdEnd"));
    commands->addWidget(named(commandButton(m.cmdQuit), "cmdQuit"));
    layout->addLayout(commands);

    bind(this, m);
}

} // namespace tallyman::gui

// Layout of the start-up prompt: the name box and OK, which Enter presses.
#include "gui/views/startup_prompt_view.h"

#include "gui/bindings.h"
#include "gui/resources.h"
#include "gui/view_widgets.h"
#include "screens/user_commands.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyman::gui {

StartupPromptView::StartupPromptView(StartupPrompt& m, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogUser"));
    setWindowIcon(builtInIcon(QStringLiteral(":/icons/tallyman.png")));
    setMinimumWidth(380);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* picture = new QLabel;
    picture->setPixmap(builtInIcon(QStringLiteral(":/icons/tallyman.png")).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    top->addWidget(picture);
    auto* texts = new QVBoxLayout;
    auto* hint = staticText(QStringLiteral("The user's name: a new name starts a new user."));
    hint->setWordWrap(true);
    texts->addWidget(hint);
    auto* name = named(textBox(m.txtUser, 28), "txtUser");
    hint->setBuddy(name);
    texts->addWidget(name);
    top->addLayout(texts, 1);
    layout->addLayout(top);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    auto* ok = named(commandButton(m.OKButton), "OKButton");
    ok->setDefault(true);
    commands->addWidget(ok);
    layout->addLayout(commands);

    bind(this, m);
}

} // namespace tallyman::gui

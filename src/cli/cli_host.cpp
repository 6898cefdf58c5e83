// Modal screens run from the command's script.
#include "cli/cli_host.h"

namespace tallyman::cli {

void CliHost::runModal(ScreenId screen)
{
    if (const auto it = m_actions.find(screen); it != m_actions.end() && it->second)
        it->second();
    // A screen still open afterwards (one the command did not expect, or one that refused the
    // command's press) is closed by its close box, as a person would end a modal window.
    if (m_app && m_app->isLoaded(screen))
        m_app->close(screen);
}

} // namespace tallyman::cli

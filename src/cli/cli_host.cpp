// Modal screens run from the command's script.
#include "cli/cli_host.h"

namespace tallyman::cli {

void CliHost::runModal(ScreenId screen)
{
    if (const auto it = m_actions.find(screen); it != m_actions.end() && it->second)
        it->second();
}

} // namespace tallyman::cli

#include "instutils/InstUtils.h"

namespace instutils {

const char* const SetupTitle = "Larkspur Latin Spellchecker - Setup";

} // namespace instutils

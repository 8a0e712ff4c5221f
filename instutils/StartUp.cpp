#include "instutils/InstUtils.h"
#include "instutils/InstUtilsInternal.h"

#include <ole2.h>

namespace instutils {

void InitializeInstUtils() {
    ::OleInitialize(nullptr);
    LookUpSpecialFolderProvider();
}

void FinalizeInstUtils() {
    FreeFolderStack();
    ::OleUninitialize();
}

} // namespace instutils

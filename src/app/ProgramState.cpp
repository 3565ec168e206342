#include "app/ProgramState.h"

void ProgramState::releaseLists() {
    IconExtensions.clear();
    IconIndexes.clear();
    PartNames.clear();
    JoinList.clear();
}

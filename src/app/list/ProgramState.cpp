#include "app/list/ProgramState.h"

void ProgramState::releaseLists() {
    PartNames.clear();
    JoinList.clear();
}

#include "app/ProgramState.h"

void ProgramState::releaseLists() {
    PartNames.clear();
    JoinList.clear();
}

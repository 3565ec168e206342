#pragma once

#include "engine/RejoinBatch.h"

#include <QString>

// The message of a split whose batch file could not be written because of a name, with the
// reason for that name's kind.
QString UnsafeBatchNameText(const RejoinBatchResult& batch, int languageCode);

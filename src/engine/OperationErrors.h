#pragma once

#include "engine/OperationResult.h"

#include <string>

// Ends `result` on the error path: `path` failed with `systemError`.
void failWith(OperationResult& result, const std::string& path, int systemError);

// Ends `result` on the error path: the input `path` could not be read (`systemError`).
void failReading(OperationResult& result, const std::string& path, int systemError);

// Ends `result` refused: writing `path` would overwrite the input `inputPath`.
void refuseAsInput(OperationResult& result, const std::string& path, const std::string& inputPath);

// Ends `result` refused: the output `path` would overwrite the earlier output `earlierPath`.
void refuseAsSameOutput(OperationResult& result, const std::string& path, const std::string& earlierPath);

// Ends `result` refused: the request cannot be carried out.
void refuseRequest(OperationResult& result);

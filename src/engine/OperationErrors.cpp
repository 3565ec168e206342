#include "engine/OperationErrors.h"

void failWith(OperationResult& result, const std::string& path, int systemError) {
    result.outcome = OperationOutcome::Failed;
    result.error = {OperationError::Kind::System, path, {}, systemError};
}

void failReading(OperationResult& result, const std::string& path, int systemError) {
    result.outcome = OperationOutcome::Failed;
    result.error = {OperationError::Kind::ReadFailed, path, {}, systemError};
}

void refuseAsInput(OperationResult& result, const std::string& path, const std::string& inputPath) {
    result.outcome = OperationOutcome::Refused;
    result.error = {OperationError::Kind::OutputIsInput, path, inputPath, 0};
}

void refuseAsSameOutput(OperationResult& result, const std::string& path, const std::string& earlierPath) {
    result.outcome = OperationOutcome::Refused;
    result.error = {OperationError::Kind::SameOutputTwice, path, earlierPath, 0};
}

void refuseRequest(OperationResult& result) {
    result.outcome = OperationOutcome::Refused;
    result.error = {OperationError::Kind::InvalidRequest, {}, {}, 0};
}

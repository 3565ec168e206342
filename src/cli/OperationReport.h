#pragma once

#include "engine/OperationResult.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class CliHost;

// Tells the user how an operation ended (messages in the stored language, the system's reason
// where there is one) and gives the exit code.
int ReportOutcome(CliHost& host, const OperationResult& result, int languageCode);

// "path: reason" for a file that could not even be looked at.
QString SystemFailure(const std::string& path, int systemError);

// The size of a file, or nothing (with errno set) when it cannot be looked at.
std::optional<std::int64_t> FileSize(const std::string& path);

// The -d folder, or the current folder when none was given.
std::string DestinationFolder(const std::string& directoryArgument);

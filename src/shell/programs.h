#pragma once

#include <QString>

#include <functional>

// Starting programs of the program folder without waiting for them. Goes
// through one replaceable starter so tests see what would be started.
namespace Programs {

using Starter = std::function<bool(const QString& path)>;
Starter setStarter(Starter starter);

// Starts the program at `path` ("vpn/varira.exe" style names also match the
// same name without ".exe"); false when it is missing or would not start.
bool start(const QString& path);

} // namespace Programs

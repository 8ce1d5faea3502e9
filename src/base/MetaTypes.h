#pragma once

// Registers, by the names used in signal signatures, the value types that
// cross threads in queued signals. Without it Qt cannot copy such an
// argument and drops the call with a warning. Called once at start-up,
// before any worker thread exists.
void registerMetaTypes();

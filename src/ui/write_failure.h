#pragma once

#include "document/safe_write.h"
#include "editing/user_message.h"

// The message that tells the user a file could not be written: where and why. The file on
// disk is then as it was before (see safe_write.h).
UserMessage writeFailureMessage(const WriteResult& result);

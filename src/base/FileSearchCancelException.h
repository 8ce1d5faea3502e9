#pragma once

#include "base/FileSearchException.h"

// Raised where a loop notices a set cancel flag; the worker thread catches it
// and ends quietly. The message is "Request %1 canceled" with the request id.
class FileSearchCancelException : public FileSearchException
{
public:
    using FileSearchException::FileSearchException;
};

#pragma once

// Facts about the running system for the log header.

struct KernelVersion
{
    int majorVersion = 0;
    int minorVersion = 0;
};

// From a release text such as "6.1.0-18-amd64"; missing parts are 0.
KernelVersion parseKernelRelease(const char *release);
KernelVersion kernelVersion();

// The process runs with root's rights (effective user id 0).
bool isProcessAdmin();
// The user can gain root's rights: the user is root, or belongs to a group
// that sudo or su admits by convention ("sudo" on Debian, "wheel", "admin").
bool isUserAdmin();

// The descriptor (0 standard input, 1 output, 2 error) is a terminal.
bool isTerminal(int fd);

// New files and folders of this process admit their owner only (umask 077).
void restrictNewFilesToOwner();

// Gives the heap memory freed so far back to the system. The allocator keeps
// freed memory for later use, and what a long-lived process freed after a
// burst (the buffers of loading an index) would otherwise stay resident.
void releaseFreedMemory();

// When the descriptor (0, 1 or 2) was closed by whoever started us, opens
// /dev/null in its place so that no file opened later takes its number (a
// log written to "standard output"); returns true when it was closed.
bool holdClosedDescriptor(int fd);

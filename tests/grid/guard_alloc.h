// A global operator new and delete for one test program: every block on pages of its
// own, and freed pages made inaccessible and never handed out again, so that any read
// or write of freed memory faults at once. The fault ends the program with a message
// naming the address and what the program was doing (SetGuardContext).
//
// Only what goes through operator new is guarded; Wine's own heap is not. Address
// space is used up page by page, so a run is bounded by its number of allocations.
#pragma once

#include <string>

// While on, a freed block is kept for the next allocation of the same size, which
// then gets the same address: for tests that need an address to come back.
void SetGuardRecycling(bool bOn);
// Printed with a fault: the seed and step of a randomized run, say.
void SetGuardContext(const std::string& context);

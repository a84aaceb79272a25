#pragma once
// Every allocation of ours names its owner for the memory tracker's reports:
//   Foo* foo = NEW Foo(args);   DELETE foo;   char* bytes = NEW char[n];   DELETE[] bytes;
// Plain macro names rather than a redefined `new`, so system and library headers
// that use placement new are never touched.

#include "Library/core/mem_tracker.h"

#define NEW (SetAllocOwner(__FILE__, __LINE__, "??"), false) ? nullptr : new
#define DELETE SetAllocOwner(__FILE__, __LINE__, "??"), delete
